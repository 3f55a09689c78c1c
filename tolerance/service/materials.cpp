// SPDX-License-Identifier: MIT
#include "tolerance/service/materials.h"

#include <algorithm>
#include <array>

namespace tolerance::service {

namespace {

// Typical figures at room temperature, as numbers from the public pages named beside each one.
// A minimum of a standard is preferred to a typical proof stress where both were found: the
// safety against yield should not rest on a lucky bar.
constexpr std::array kLibrary = {
    Material{"S45C",
             "quenched and tempered",
             {205000, 0.30, 11.7, 490},
             "Protolabs Japan, S45C/S50C data (after JIS G 4051)",
             "design data table JIS steels (happycampus.co.jp); AISI 1045 0.27-0.30",
             "Protolabs Japan, S45C/S50C data, 20 °C",
             "JIS G 4051 reference value, quenched and tempered (Protolabs Japan)",
             "Protolabs gives Poisson's ratio 0.25; 0.30 taken as the figure of the other two",
             {550, HeatLimitKind::Tempering,
              "quenched and tempered at 550-650 °C after JIS G 4051 (thesteelmart.com C45/S45C: "
              "tempering 550-660 °C; szrtjs.com C45: 600 °C)"}},
    Material{"SCM440",
             "quenched and tempered",
             {205000, 0.29, 11.7, 835},
             "MatWeb AISI 4140 (which it lists as JIS SCM440), typical for steel",
             "MatWeb AISI 4140, calculated",
             "as S45C (Protolabs Japan): no public figure for SCM440 itself was found",
             "JIS G 4053 minimum; efunda AISI 4140 oil quenched, tempered at 540 °C: 834 MPa",
             "the expansion of a low-alloy steel differs little from a carbon steel's",
             {530, HeatLimitKind::Tempering,
              "JIS G 4053: tempered at 530-630 °C (kunnchuan.com SCM table; an excerpt of JIS G "
              "4053:2003 on scribd gives 550-650 °C)"}},
    Material{"SS400",
             "as rolled",
             {206000, 0.30, 11.7, 245},
             "sekaizairyo.com SS400 data",
             "sekaizairyo.com SS400 data",
             "design data table JIS steels (happycampus.co.jp); sekaizairyo gives 11.3-11.6",
             "JIS G 3101, 5 to 16 mm thick (magnumsteel.co.th)",
             "the yield point falls to 235 MPa over 16 mm and 215 MPa over 40 mm",
             {720, HeatLimitKind::Transformation,
              "the lower critical temperature Ac1 of a carbon steel (round-bars.com: 724 °C for "
              "S45C; the iron-carbon eutectoid line, 727 °C)"}},
    Material{"SUS304",
             "solution treated",
             {193000, 0.30, 17.3, 205},
             "Hirosugi SUS data; JSSA FAQ q6 (193 kN/mm²)",
             "JSSA FAQ q7 (about 0.3)",
             "JSSA comparison with other materials",
             "JIS G 4303 minimum (Hirosugi gives 206 or over)",
             "Hirosugi's 18.7 is the mean over 0-650 °C; 17.3 is the figure near room temperature",
             {425, HeatLimitKind::Sensitisation,
              "sensitised from about 425 °C (stainlesssales.com, M. Pfeifer: 425-870 °C; ASTM "
              "JTE10326J, E. A. Loria: 400-850 °C)"}},
    Material{"SUS440C",
             "hardened, tempered at 204 °C",
             {204000, 0.30, 10.2, 1900},
             "Silicolloy SUS440C data",
             "JSSA FAQ q7 (about 0.3 for stainless steels)",
             "Silicolloy SUS440C data, 0-100 °C",
             "tec-note.com SUS440C, tempered at 204 °C",
             "annealed, its proof stress is only 448 MPa (tec-note.com)",
             {204, HeatLimitKind::Tempering,
              "tempered at 204 °C for this proof stress (nickelalloys.in 440C table; nadeep.com: "
              "not for use above the tempering temperature)"}},
    Material{
        "FC250",
        "as cast",
        {110000, 0.26, 10.5, 165},
        "jgmtcasting.com HT250 (= FC250), 103-118 GPa; secant modulus at a quarter of the "
        "tensile strength (amesweb.info)",
        "jgmtcasting.com HT250",
        "access-eng.com (cast iron, 20 °C); makeitfrom grade 20",
        "jgmtcasting.com HT250 0.1 % proof stress, the lower end of 165-228",
        "grey iron has no straight elastic line: E falls as the stress rises, so 110 GPa is "
        "the secant modulus at low stress; makeitfrom's 180 GPa was not taken",
        {550, HeatLimitKind::Decomposition,
         "ordinary grey iron's cementite decomposes over 550 °C and its strength falls "
         "(dffoundry.com); DTIC AD0620556: hardly any change in an hour below 1000 °F (538 °C)"}},
    Material{"FCD450",
             "as cast",
             {170000, 0.29, 11.5, 280},
             "makeitfrom.com ASTM 65-45-12 (ISO 450-10); amesweb.info: 162-170 GPa whatever "
             "the grade",
             "makeitfrom.com ASTM 65-45-12 (ISO 450-10)",
             "Penticton Foundry ASTM A536 65-45-12 data sheet, 20-100 °C",
             "JIS G 5502 FCD450-10 minimum (asaichuzo.com table)",
             "azom.com (Fonderie Saguenay) gives Poisson's ratio 0.28; makeitfrom's figure for "
             "the very grade taken",
             {290, HeatLimitKind::Mechanical,
              "makeitfrom.com ASTM 65-45-12 (ISO 450-10): maximum temperature, mechanical"}},
    Material{
        "A5052",
        "H32",
        {70300, 0.33, 23.8, 193},
        "CCT Precision aluminium data sheet",
        "CCT Precision aluminium data sheet",
        "CCT Precision aluminium data sheet, 20 °C",
        "CCT Precision aluminium data sheet",
        "",
        {160, HeatLimitKind::Stabilising,
         "H32 is stabilised at 120-160 °C (southwest-alu.com 5052 plate; luokaiweialuminum.com: "
         "121-177 °C)"}},
    Material{"A6061-T6",
             "T6",
             {68900, 0.33, 23.6, 276},
             "CCT Precision aluminium data sheet",
             "CCT Precision aluminium data sheet",
             "CCT Precision aluminium data sheet, 20 °C",
             "CCT Precision aluminium data sheet",
             "",
             {160, HeatLimitKind::Ageing,
              "aged at 160 °C for 18 h or 177 °C for 8 h (eastdiyshop.com 6061 bar data; "
              "profilgruppen.se ages 6060 at 175-185 °C)"}},
    Material{"A7075-T6",
             "T6",
             {72000, 0.33, 23.6, 503},
             "substech.com alloy 7075",
             "as the other wrought aluminium alloys (CCT Precision)",
             "substech.com alloy 7075, 20 °C",
             "substech.com alloy 7075, T6/T651",
             "",
             {120, HeatLimitKind::Ageing,
              "T6 is aged at 120 °C for 24 h (Trans. Nonferrous Met. Soc. China 27 (2017) 2357; "
              "shakuhachi.net: ageing at 225-350 °F)"}},
    Material{"C3604",
             "half hard",
             {97000, 0.31, 20.5, 310},
             "E-Z LOK brass C36000 data",
             "E-Z LOK brass C36000 data",
             "E-Z LOK brass C36000 data, 20-300 °C",
             "Anchor Bronze C36000, half hard rod, 45 ksi",
             "C3604 taken as its counterpart C36000; the proof stress spans 124-310 MPa by temper",
             {425, HeatLimitKind::Annealing,
              "the half-hard temper is annealed away at 425-600 °C (brass-copper-castings.com "
              "C36000)"}},
    Material{"CAC406",
             "as cast",
             {93000, 0.34, 18.0, 97},
             "brass-copper-castings.com C83600 (= CAC406), 13 500 ksi",
             "makeitfrom.com cast red brass C83300",
             "brass-copper-castings.com C83600, 20-204 °C",
             "ASTM B584 C83600 minimum, 0.5 % extension under load (steeltube.co)",
             "CAC406 taken as its counterpart C83600 (85-5-5-5)",
             {854, HeatLimitKind::MeltingOnset,
              "solidus 854 °C (conexbronze.com C83600 after CDA; stress relieved at 260 °C, "
              "brass-copper-castings.com C83600)"}},
    Material{"Ti-6Al-4V",
             "annealed",
             {114000, 0.33, 8.6, 830},
             "MatWeb Ti-6Al-4V grade 5 annealed bar",
             "MatWeb Ti-6Al-4V grade 5 annealed bar",
             "MatWeb Ti-6Al-4V grade 5, 20-100 °C",
             "MatWeb Ti-6Al-4V grade 5 annealed bar",
             "the ELI grade: 113.8 GPa, 0.342, 790 MPa (MatWeb)",
             {700, HeatLimitKind::Annealing,
              "MatWeb Ti-6Al-4V grade 5 annealed bar: annealed at 700-785 °C (koreascience.or.kr "
              "JAKO201935236777727: mill annealing at 675-795 °C)"}},
    Material{"POM",
             "copolymer",
             {2855, 0.35, 120, 67, false},
             "POM-C technical data sheet, ISO 527",
             "not used: a plastic takes no press fit here",
             "POM-C technical data sheet, ISO 11359",
             "POM-C technical data sheet, yield stress",
             "for the temperature only",
             {100, HeatLimitKind::ContinuousUse,
              "copolymers in continuous use up to 100 °C (Autodesk Moldflow help, acetal); melting "
              "162-173 °C"}},
    Material{"PA66",
             "dry as moulded",
             {2900, 0.39, 145, 50, false},
             "Ashby, polyamides data (2.62-3.2 GPa)",
             "not used: a plastic takes no press fit here",
             "Ashby, polyamides data (144-149)",
             "Ashby, polyamides data (50-94.8 MPa)",
             "for the temperature only; water taken up lowers E and swells the part",
             {100, HeatLimitKind::ContinuousUse,
              "continuous service 100-120 °C (biologyinsights.com nylon 6,6); long-term use to "
              "120 °C (edusvr.com.cn PA66)"}},
};

bool sameName(std::string_view a, std::string_view b) noexcept
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

std::string_view nameOf(HeatLimitKind kind) noexcept
{
    switch (kind) {
    case HeatLimitKind::Tempering:
        return "its tempering temperature";
    case HeatLimitKind::Transformation:
        return "the start of its transformation (Ac1)";
    case HeatLimitKind::Sensitisation:
        return "the start of its sensitisation";
    case HeatLimitKind::Decomposition:
        return "the start of its cementite's decomposition";
    case HeatLimitKind::Stabilising:
        return "its stabilising temperature";
    case HeatLimitKind::Ageing:
        return "its ageing temperature";
    case HeatLimitKind::Annealing:
        return "its annealing temperature";
    case HeatLimitKind::MeltingOnset:
        return "the start of its melting (solidus)";
    case HeatLimitKind::Mechanical:
        return "its highest temperature for mechanical use";
    case HeatLimitKind::ContinuousUse:
        break;
    }
    return "its highest temperature for continuous use";
}

std::span<const Material> materialLibrary() noexcept
{
    return kLibrary;
}

const Material* findMaterial(std::string_view name) noexcept
{
    const auto found = std::find_if(kLibrary.begin(), kLibrary.end(),
                                    [&](const Material& m) { return sameName(m.name, name); });
    return found == kLibrary.end() ? nullptr : &*found;
}

} // namespace tolerance::service
