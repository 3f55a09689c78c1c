// SPDX-License-Identifier: MIT
#include "tolerance/sheet/words.h"

namespace tolerance::sheet {

namespace {

// The μ of JIS X 0208 (U+03BC) rather than the micro sign, no superscripts but ² and no
// geometric shapes beyond JIS X 0208: the Japanese fonts a sheet is embedded with have no others,
// and a sheet that needs a second font loses figures when its PDF is read back as text.
// The workbench's own words wherever it has them (はめあいの種類, 最小しめしろ, 伝達トルク …), so
// that a sheet reads as the window that made it.
constexpr Words kJapanese{
    .title = "計算書",
    .fitSubject = "はめあい {1} {2}",
    .holeSubject = "穴 {1} {2}",
    .shaftSubject = "軸 {1} {2}",
    .date = "作成日 {1}",
    .program = "プログラム {1}",
    .page = "{1} / {2} ページ",
    .diameter = "φ{1}",
    .partHeading = "{1}: {2}",

    .inputs = "入力",
    .result = "結果",
    .warnings = "注意事項",
    .sides = "寸法許容差と許容寸法",
    .fit = "はめあい",
    .zones = "公差域（単位 μm）",
    .spread = "組立てのばらつき",
    .materials = "材料",
    .materialSources = "材料の値の出典",
    .temperature = "使用温度でのはめあい",
    .pressFit = "圧入",
    .formulas = "計算式",
    .signOff = "確認",

    .item = "項目",
    .typed = "入力",
    .value = "値",
    .unit = "単位",
    .source = "出典・式",
    .origin = "出典",
    .formula = "式",
    .relation = "関係",
    .at20 = "20 °C",
    .part = "部品",
    .material = "材料",

    .sizeInput = "呼び寸法 mm",
    .holeClassInput = "穴の公差クラス",
    .shaftClassInput = "軸の公差クラス",
    .holeLimitsInput = "穴の寸法許容差 mm",
    .shaftLimitsInput = "軸の寸法許容差 mm",
    .holeRingInput = "穴: 軸受内輪の等級",
    .shaftRingInput = "軸: 軸受外輪の等級",
    .editionInput = "規格",
    .distributionInput = "寸法のばらつき",
    .holeMaterialInput = "穴の材料",
    .shaftMaterialInput = "軸の材料",
    .holeCelsiusInput = "穴の温度 °C",
    .shaftCelsiusInput = "軸の温度 °C",
    .hubOuterInput = "ハブ外径 mm",
    .shaftBoreInput = "軸の内径 mm",
    .lengthInput = "はめあい長さ mm",
    .frictionInput = "摩擦係数",
    .holeRzInput = "穴の粗さ Rz μm",
    .shaftRzInput = "軸の粗さ Rz μm",
    .joiningClearanceInput = "焼きばめのすきま mm",

    .edition1984 = "JIS B 0401 (1984)",
    .edition2016 = "JIS B 0401:2016 (ISO 286:2010)",
    .normal = "正規分布",
    .uniform = "一様分布",

    .hole = "穴 {1}",
    .shaft = "軸 {1}",
    .upperDeviation = "{1} 上の寸法許容差",
    .lowerDeviation = "{1} 下の寸法許容差",
    .maximumSize = "{1} 最大許容寸法",
    .minimumSize = "{1} 最小許容寸法",
    .fromTable1984 = "JIS B 0401 (1984) の表",
    .fromRules1984 = "JIS B 0401:2016（1984 年版の表にない値）",
    .fromRules2016 = "JIS B 0401:2016 (ISO 286:2010)",
    .given = "入力した値",
    .innerRing = "軸受内輪 {1} 級",
    .outerRing = "軸受外輪 {1} 級",
    .ringStandard = "JIS B 1514-1 (ISO 492)",
    .formulaNumber = "式 ({1})",

    .fitType = "はめあいの種類",
    .clearanceFit = "すきまばめ",
    .transitionFit = "中間ばめ",
    .interferenceFit = "しまりばめ",
    .maximumClearance = "最大すきま",
    .minimumClearance = "最小すきま",
    .maximumInterference = "最大しめしろ",
    .minimumInterference = "最小しめしろ",
    .fitTolerance = "はめあいの変動量",
    .otherBasis = "他の基準: {1}",
    .otherBasisOwn = "{1}（穴基準でも軸基準でもある組）",
    .otherBasisSame = "{1}（すきまは同じ）",
    .otherBasisNearest = "{1}（最も近い組。最大すきま {2} μm、最小すきま {3} μm の違い）",
    .summary = "{1} {2} {3}、{4} {5} mm、{6} {7} mm",
    .sideSummary = "{1}: 上の寸法許容差 {2} mm、下の寸法許容差 {3} mm",

    .distribution = "寸法の分布: {1}",
    .normalAssumed = "正規分布（公差 = ±3σ、公差域の中央）",
    .uniformAssumed = "一様分布（公差域の中で一様）",
    .spreadLow = "99.73 % の組立てのすきま（下限）",
    .spreadHigh = "99.73 % の組立てのすきま（上限）",
    .interferenceOdds = "しめしろになる確率",
    .clearanceOdds = "すきまになる確率",

    .zonesDescription = "穴 {1} {2}／{3} μm、軸 {4} {5}／{6} μm、{7}",
    .warmDescription = "、{1} では穴 {2}／{3} μm、軸 {4}／{5} μm",
    .holeCaption = "穴 {1}",
    .shaftCaption = "軸 {1}",

    .holePart = "穴（ハブ）",
    .shaftPart = "軸",
    .youngsModulus = "縦弾性係数 E MPa",
    .poissonsRatio = "ポアソン比 ν",
    .expansion = "線膨張係数 α μm/(m·K)",
    .proofStress = "0.2 % 耐力 MPa",
    .materialNote = "{1} の注記",
    .figureOf = "{1}: {2}",
    .givenMaterial = "入力した値",
    .materialName = "{1}（{2}）",

    .temperatures = "穴 {1}・軸 {2}",
    .celsius = "{1} °C",
    .clearanceSigned = "最大すきま（負はしめしろ）",
    .minimumClearanceSigned = "最小すきま（負はしめしろ）",
    .holeMaximumSize = "穴の最大許容寸法",
    .holeMinimumSize = "穴の最小許容寸法",
    .shaftMaximumSize = "軸の最大許容寸法",
    .shaftMinimumSize = "軸の最小許容寸法",

    .smoothing = "平滑化で減るしめしろ",
    .hubRatio = "径の比 QA = d / DA",
    .boreRatio = "径の比 QI = dI / d",
    .interferenceMin = "実効しめしろ（最小）",
    .interferenceMax = "実効しめしろ（最大）",
    .pressureMin = "面圧（最小しめしろ）",
    .torqueMin = "伝達トルク",
    .axialForceMin = "軸方向の保持力",
    .pressureMax = "面圧（最大しめしろ）",
    .pressInForceMax = "圧入力",
    .hubTangential = "ハブ内径の円周応力",
    .hubEquivalent = "ハブ内径の相当応力",
    .hubSafety = "ハブの降伏に対する安全率",
    .shaftEquivalent = "軸の相当応力",
    .shaftSafety = "軸の降伏に対する安全率",
    .assemblyTemperature = "焼きばめのハブ温度（軸は 20 °C）",
    .joiningClearance = "焼きばめのすきま",
    .noRoughness = "粗さの入力がないので、しめしろは平滑化していません。",
    .notWorkedOut = "—",
    .noStress = "応力なし",
    .notNeeded = "不要",
    .noHeating =
        "焼きばめ: 最小すきま {1} mm がはめあいすきま {2} mm 以上あるので、加熱せずにはまり"
        "ます。",
    .symbols = "d: 呼び寸法、DA: ハブ外径、dI: 軸の内径（中実は 0）、L: はめあい長さ、μ: 摩擦係数、"
               "E: 縦弾性係数、ν: ポアソン比、α: 線膨張係数。添字 A はハブ（穴の部品）、I は軸。"
               "— は降伏を超えて弾性の計算が成り立たない値。",

    .caution = "注意",
    .noWarnings = "ありません。",
    .changesType = "{1} では{2}から{3}に変わります。",
    .notCertain = "{1}: 最小しめしろが残らないので、摩擦で保持できるとは限りません（すきまばめ・"
                  "中間ばめ）。",
    .yieldsAtMax =
        "{1}: {2}が最大しめしろで降伏します。降伏を超えると弾性の計算は成り立たないので、"
        "その数値は示しません。",
    .yieldsAtMin =
        "{1}: {2}が最小しめしろでも降伏します。降伏を超えると弾性の計算は成り立たないので、"
        "その数値は示しません。",
    .hubBore = "ハブの内径",
    .shaftBore = "軸の内径",
    .bothBores = "{1}と{2}",
    .plastic = "樹脂の部品は弾性の計算の外です: 圧入は計算しません（温度の計算だけ）。",
    .nonPositive = "許容寸法が 0 mm 以下になります: この寸法にこの公差クラスは使えません。",
    .undefined = "{1} には {2} の値がありません: 何も計算していません。",
    .beyondHeatLimit = "{1} {2} は {3} の{4} {5} を超えます。",
    .holePartTemperature = "穴の部品の温度",
    .shaftTemperature = "軸の温度",
    .assemblyTemperatureWarned = "焼きばめのハブ温度",
    .tempering = "焼戻し温度",
    .transformation = "変態の始まる温度 (Ac1)",
    .sensitisation = "鋭敏化の始まる温度",
    .decomposition = "セメンタイトの分解が始まる温度",
    .stabilising = "安定化処理の温度",
    .ageing = "時効処理の温度",
    .annealing = "焼なまし温度",
    .meltingOnset = "溶け始める温度（固相線）",
    .mechanical = "機械的に使える最高温度",
    .continuousUse = "連続使用の最高温度",

    .limits = {"許容寸法",
               "最大許容寸法 = 呼び寸法 + 上の寸法許容差、最小許容寸法 = 呼び寸法 + 下の寸法許容差",
               "JIS B 0401-1:2016 (ISO 286-1:2010)"},
    .clearances =
        {"すきま・しめしろ",
         "最大すきま = 穴の最大許容寸法 − 軸の最小許容寸法、最小すきま = 穴の最小許容寸法 − "
         "軸の最大許容寸法。負のすきまはしめしろ",
         "JIS B 0401-1:2016 (ISO 286-1:2010)"},
    .fitVariation = {"はめあいの変動量", "最大すきま − 最小すきま = 穴の公差 + 軸の公差",
                     "JIS B 0401-1:2016 (ISO 286-1:2010)"},
    .normalSpread =
        {"組立てのばらつき（正規分布）",
         "穴と軸の寸法は独立に、公差域の中央を平均、公差 = 6σ の正規分布。すきま c の"
         "平均 = (最大すきま + 最小すきま) / 2、σc = √(σ穴² + σ軸²)、範囲 = 平均 ± 3σc、"
         "しめしろの確率 = Φ(−平均 / σc)",
         "独立な正規分布の和"},
    .uniformSpread =
        {"組立てのばらつき（一様分布）",
         "穴と軸の寸法は独立に、公差域の中で一様。すきま c は両公差を幅とする台形分布。"
         "範囲はその 0.135 % 点から 99.865 % 点、しめしろの確率 = P(c < 0)",
         "独立な一様分布の和（台形分布）"},
    .thermal = {"使用温度での寸法",
                "温度 T での寸法 = 20 °C での寸法 + α · (T − 20 °C) · d。すきまは穴と軸の寸法の差",
                "ISO 1（寸法は標準温度 20 °C で定める）"},
    .smoothed = {"実効しめしろ", "U = しめしろ − 0.4 · (Rz穴 + Rz軸)、0 未満は 0",
                 "DIN 7190-1:2017（平滑化）"},
    .pressure = {"面圧",
                 "p = (U / d) / K、K = [(1 + QA²) / (1 − QA²) + νA] / EA + [(1 + QI²) / (1 − QI²) "
                 "− νI] / EI",
                 "DIN 7190-1:2017（厚肉円筒、平面応力、弾性域）"},
    .holding =
        {"保持力と圧入力",
         "伝達トルク M = p最小 · π · d · L · μ · d / 2、軸方向の保持力 F = p最小 · π · d · L "
         "· μ、圧入力 Fe = p最大 · π · d · L · μ",
         "DIN 7190-1:2017"},
    .stresses =
        {"応力と安全率",
         "ハブ内径: 円周応力 σt = p · (1 + QA²) / (1 − QA²)、相当応力 σv = p · √(3 + QA² · QA²) / "
         "(1 − QA²)。軸: 中実 σv = p、中空 σv = 2p / (1 − QI²)。安全率 = 0.2 % 耐力 / σv"
         "（最大しめしろ）",
         "DIN 7190-1:2017、相当応力は von Mises"},
    .shrinking = {"焼きばめのハブ温度",
                  "T = 20 °C + (s − 最小すきま) / (αA · d)、s = 焼きばめのすきま（指定がなければ "
                  "0.001 · d）。負の最小すきまは最大しめしろ。最小すきまが s 以上なら加熱は不要",
                  "DIN 7190-1:2017"},

    .bearingSubject = "転がり軸受 {1}",
    .seatsSubject = "（軸 {1}、ハウジング {2}）",
    .bearingNumberInput = "呼び番号",
    .accuracyInput = "軸受の等級",
    .housingClassInput = "ハウジングの公差クラス",
    .loadInput = "荷重",
    .loadSizeInput = "荷重の大きさ",
    .seatTemperaturesInput = "温度 °C（軸/内輪/外輪/ハウジング）",
    .seatMaterialsInput = "材料（軸/ハウジング）",
    .seatRoughnessInput = "粗さ Rz μm（軸/ハウジング）",
    .rotatingInner = "内輪回転荷重",
    .rotatingOuter = "外輪回転荷重",
    .indeterminate = "方向不定荷重",
    .lightLoad = "軽荷重",
    .normalLoad = "普通荷重",
    .heavyLoad = "重荷重・衝撃荷重",
    .deepGrooveBall = "深溝玉軸受",
    .angularContactBall = "アンギュラ玉軸受",
    .selfAligningBall = "自動調心玉軸受",
    .cylindricalRoller = "円筒ころ軸受",
    .taperedRoller = "円すいころ軸受",
    .bearing = "軸受",
    .bearingType = "形式",
    .bore = "内径 d",
    .outside = "外径 D",
    .width = "幅 B",
    .totalWidth = "組立幅 T",
    .accuracy = "{1} 級",
    .widthUpper = "幅の寸法差 ΔBs（上）",
    .widthLower = "幅の寸法差 ΔBs（下）",
    .recommended = "推奨のはめあい",
    .recommendation = "軸 {1}、ハウジング {2}（{3}）",
    .shaftSeat = "軸と内輪",
    .housingSeat = "ハウジングと外輪",
    .clearance = "内部すきま",
    .seatTemperatures = "軸 {1}・内輪 {2}・外輪 {3}・ハウジング {4}",
    .innerRaceway = "内輪軌道径 Di（推定）",
    .outerRaceway = "外輪軌道径 De（推定）",
    .shaftInterferenceMin = "軸の実効しめしろ（最小）",
    .shaftInterferenceMax = "軸の実効しめしろ（最大）",
    .housingInterferenceMin = "ハウジングの実効しめしろ（最小）",
    .housingInterferenceMax = "ハウジングの実効しめしろ（最大）",
    .innerExpansionMin = "内輪軌道の膨張（最小）",
    .innerExpansionMax = "内輪軌道の膨張（最大）",
    .outerContractionMin = "外輪軌道の収縮（最小）",
    .outerContractionMax = "外輪軌道の収縮（最大）",
    .ringsThermal = "内輪と外輪の温度差による減少",
    .reductionMin = "すきまの減少（最小）",
    .reductionMax = "すきまの減少（最大）",
    .groups = "内部すきまの群（{1}）、{2}",
    .group = "群",
    .beforeMin = "取付け前 最小",
    .beforeMax = "取付け前 最大",
    .mountedMin = "取付け後 最小",
    .mountedMax = "取付け後 最大",
    .groupsBallOnly = "JIS B 1520 のすきまの群は、ここでは深溝玉軸受についてだけ示します。",
    .mayVanish = "{1}（{2}）: 最大の減少が {1} の最小すきまを {3} mm 上回るので、すきまがなくなる"
                 "ことがあります（予圧）。",
    .raceways = {"軌道径の推定",
                 "玉軸受 De ≈ (4D + d) / 5、Di ≈ (D + 4d) / 5。ころ軸受 De ≈ (3D + d) / 4、"
                 "Di ≈ (D + 3d) / 4",
                 "NSK「転がり軸受」式 (9.7)(9.8)、FBJ 式 (5.4)(5.5)"},
    .reduction =
        {"すきまの減少",
         "内輪軌道の膨張 = 軸の実効しめしろ · d / Di、外輪軌道の収縮 = ハウジングの実効しめ"
         "しろ · De / D、温度差による減少 = 12.5 μm/(m·K) · (内輪 − 外輪の温度) · De",
         "NSK「転がり軸受」表 15.1、式 (9.6)"},
    .residual = {"取付け後のすきま",
                 "最小 = 取付け前の最小 − 減少の最大、最大 = 取付け前の最大 − 減少の最小。負は予圧",
                 "JIS B 1520 (ISO 5753-1) のすきまの群"},

    .stackSubject = "公差の積み上げ（{1} 部品）",
    .members = "部品",
    .memberName = "部品",
    .direction = "向き",
    .nominal = "呼び寸法 mm",
    .toleranceTyped = "公差",
    .celsiusTyped = "温度 °C",
    .requirementInput = "すきまの要求 mm",
    .stackSummary =
        "すきま（閉じ寸法）の呼び {1} mm、最悪 {2}～{3} mm、99.73 % の組立て {4}～{5} mm",
    .memberFigures = "部品の寸法",
    .memberUpper = "上の寸法許容差",
    .memberLower = "下の寸法許容差",
    .growth = "温度での伸び mm",
    .varianceShare = "分散の寄与 %",
    .worstShare = "最悪値の寄与 %",
    .closing = "すきま（閉じ寸法）",
    .closingNominal = "呼び（20 °C）",
    .thermalShift = "温度による移動",
    .worstMaximum = "最悪 最大",
    .worstMinimum = "最悪 最小",
    .statisticalMaximum = "99.73 % の組立て 最大",
    .statisticalMinimum = "99.73 % の組立て 最小",
    .outsideShare = "要求の外になる割合",
    .insideShare = "要求の内になる割合",
    .monteCarloRange = "モンテカルロ法 {1} 組（シード {2}）",
    .monteCarloMaximum = "モンテカルロ法 99.73 % 最大",
    .monteCarloMinimum = "モンテカルロ法 99.73 % 最小",
    .monteCarloOutside = "モンテカルロ法 要求の外になる割合",
    .shares = "寄与（上の斜線の棒は分散、下の枠の棒は最悪値）",
    .sharesDescription = "最も大きく寄与する部品は {1}、分散の {2} %",
    .worstOutside = "最悪の組合せでは要求 {1} の外になります（{2}～{3} mm）。",
    .someOutside = "{1} % の組立てが要求 {2} の外になります。",
    .fromGeneral = "JIS B 0405 普通公差",
    .fromBearingWidth = "JIS B 1514-1 (ISO 492) 幅の寸法差",
    .worstCase =
        {"最悪値",
         "最大 = Σ(+ の部品の最大) − Σ(− の部品の最小)、最小 = Σ(+ の部品の最小) − Σ(− の部品の"
         "最大)。温度での伸びを含む",
         "寸法連鎖の和"},
    .stackNormal =
        {"統計（正規分布）",
         "各部品は公差域の中央を平均、公差 = 6σ。σ = √Σσi²、範囲 = 平均 ± 3σ、要求の外の割合は"
         "その両側の裾",
         "独立な正規分布の和"},
    .stackUniform =
        {"統計（一様分布）",
         "各部品は公差域の中で一様。和の分布は一様分布のたたみ込み（正確）で、範囲はその "
         "0.135 % 点から 99.865 % 点",
         "独立な一様分布の和"},
    .shareOf = {"寄与", "分散の寄与 = σi² / Σσi²、最悪値の寄与 = 公差幅 / Σ公差幅", "寸法連鎖の和"},
    .monteCarlo =
        {"モンテカルロ法",
         "各部品を選んだ分布から乱数で選んで組み立て、すきまの 0.135 % 点と 99.865 % 点、要求"
         "の外の割合を数える",
         "シードを記した再現できる乱数"},

    .made = "作成",
    .checked = "確認",
    .approved = "承認",
    .name = "氏名",
    .signedOn = "日付",

    .toleranceSourced = "{1}（{2}）",
    .code = "ja",
};

} // namespace

const Words& japanese()
{
    return kJapanese;
}

const Words& wordsIn(Language language)
{
    return language == Language::English ? english() : japanese();
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t close = pattern.find('}', i);
        const std::size_t index = pattern[i] == '{' && close != std::string_view::npos &&
                                          close == i + 2 && pattern[i + 1] >= '1' &&
                                          pattern[i + 1] <= '9'
                                      ? std::size_t(pattern[i + 1] - '1')
                                      : values.size();
        if (index < values.size()) {
            text += values.begin()[index];
            i = close;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace tolerance::sheet
