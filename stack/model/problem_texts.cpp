// SPDX-License-Identifier: MIT
#include "model/problem_texts.h"

#include "tolerance/stack/typed_text.h"

#include <QCoreApplication>

namespace {
// The words of this file, in the language in force.
struct ProblemTexts
{
    Q_DECLARE_TR_FUNCTIONS(ProblemTexts)
};
} // namespace

namespace problemTexts {

using namespace tolerance::stack;

namespace {

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

QString notANumber(const std::string& typed, const QString& example)
{
    if (qt(typed).contains(u',') || qt(typed).contains(u'、'))
        return ProblemTexts::tr("小数点は「.」で入力してください");
    return ProblemTexts::tr("数字で入力してください（例: %1）").arg(example);
}

QString classProblem(const QString& code, const tolerance::ClassCodeError& error)
{
    using Kind = tolerance::ClassCodeError::Kind;
    switch (error.kind) {
    case Kind::Empty:
        break;
    case Kind::NoSuchLetter:
        return ProblemTexts::tr("%1: この記号の公差クラスはありません").arg(code);
    case Kind::NoGrade:
        return ProblemTexts::tr("%1 に公差等級の数字がありません（例: %1%2）")
            .arg(code, code.front().isUpper() ? u"7" : u"6");
    case Kind::NoSuchGrade:
        return ProblemTexts::tr("%1: 公差等級は 01、0、1～18 です").arg(code);
    }
    return ProblemTexts::tr("公差を入力してください");
}

QString limitsProblem(tolerance::LimitsFault fault)
{
    using tolerance::LimitsFault;
    switch (fault) {
    case LimitsFault::Empty:
    case LimitsFault::NotLimits:
        break;
    case LimitsFault::TooManyDecimals:
        return ProblemTexts::tr("寸法許容差の小数は 4 桁までです");
    case LimitsFault::TooLarge:
        return ProblemTexts::tr("寸法許容差が大きすぎます");
    case LimitsFault::LowerAboveUpper:
        return ProblemTexts::tr("下の寸法許容差が上より大きくなっています。上/下 の順に入力します");
    }
    return ProblemTexts::tr("公差は H8・h7 のような公差クラス、+0.1/-0.05・±0.05 のような"
                            "寸法許容差 (mm)、普通公差 f・m・c・v、軸受の幅 bearing:0 6204 の"
                            "いずれかで入力します");
}

QString toleranceProblem(const MemberText& m, const MemberFault& fault)
{
    const QString code = qt(foldTyped(m.tolerance));
    switch (fault.fault) {
    case Fault::Empty:
        return ProblemTexts::tr("公差を入力してください（例: H8、h7、+0.1/-0.05、±0.05、m）");
    case Fault::NoSuchClass:
        return classProblem(code, *fault.classError);
    case Fault::ClassNeedsSize:
        return ProblemTexts::tr("公差クラスには 0 を超え 3150 mm 以下の呼び寸法が要ります");
    case Fault::NoValueAtSize:
        return ProblemTexts::tr("%1 にはこの寸法の値がありません").arg(code);
    case Fault::GeneralOutside:
        return ProblemTexts::tr("普通公差 %1 (JIS B 0405) の表は 0.5～4000 mm です").arg(code);
    case Fault::BearingNeedsBore:
        return ProblemTexts::tr("軸受の幅の許容差は内径で決まります（例: bearing:0 d20、"
                                "呼び番号なら bearing:0 6204）");
    case Fault::BearingClass:
        return ProblemTexts::tr("軸受の精度等級は 0、6X、6、5、4、2 です（例: bearing:0 d20）");
    case Fault::BearingNumber:
        return ProblemTexts::tr("この呼び番号の軸受は一覧にありません（内径で bearing:0 d20 とも"
                                "書けます）");
    case Fault::BearingOutside:
        return ProblemTexts::tr("この内径は軸受の精度等級の表にありません");
    case Fault::BearingWidth:
        return ProblemTexts::tr("この軸受の幅は %1 mm です。呼び寸法を幅にします")
            .arg(qt(tolerance::formatDiameter(fault.expected.value_or(0))));
    case Fault::BearingTapered:
        return ProblemTexts::tr("円すいころ軸受の組立幅 T の許容差は寸法許容差で入力します");
    case Fault::GeneralNoValue:
        return ProblemTexts::tr(
                   "普通公差 %1 (JIS B 0405) にはこの寸法の値がありません（表の「—」）")
            .arg(code);
    default:
        return limitsProblem(fault.limits.value_or(tolerance::LimitsFault::NotLimits));
    }
}

QString nominalProblem(const MemberText& m, const MemberFault& fault)
{
    switch (fault.fault) {
    case Fault::Empty:
        return ProblemTexts::tr("呼び寸法を mm で入力してください");
    case Fault::TooManyDecimals:
        return ProblemTexts::tr("呼び寸法の小数は 4 桁までです");
    case Fault::Negative:
        return ProblemTexts::tr("呼び寸法は 0 以上です。引く寸法は向きを − にします");
    case Fault::TooLarge:
        return ProblemTexts::tr("呼び寸法は 10000 mm までです");
    default:
        return notANumber(m.nominal, QStringLiteral("25"));
    }
}

QString temperatureProblem(const MemberText& m, const MemberFault& fault)
{
    switch (fault.fault) {
    case Fault::BelowAbsoluteZero:
        return ProblemTexts::tr("絶対零度 (-273.15 °C) より低い温度です");
    case Fault::TooLarge:
        return ProblemTexts::tr("温度は 10000 °C までです");
    case Fault::TemperatureWithoutMaterial:
        return ProblemTexts::tr("温度には材料が要ります（膨張を材料から求めます）");
    default:
        return notANumber(m.temperature, QStringLiteral("80"));
    }
}

} // namespace

QString member(const MemberText& text, const MemberFault& fault)
{
    switch (fault.field) {
    case Field::Direction:
        return fault.fault == Fault::Empty
                   ? ProblemTexts::tr("向きを入力してください（結果寸法を大きくする + か、"
                                      "小さくする −）")
                   : ProblemTexts::tr("向きは + か − です");
    case Field::Nominal:
        return nominalProblem(text, fault);
    case Field::Tolerance:
        return toleranceProblem(text, fault);
    case Field::Material:
        return ProblemTexts::tr("%1: この材料は一覧にありません").arg(qt(foldTyped(text.material)));
    case Field::Temperature:
        return temperatureProblem(text, fault);
    }
    return {};
}

QString requirement(const QString& typed, RequirementFault fault)
{
    switch (fault) {
    case RequirementFault::NotRange:
    case RequirementFault::NotANumber:
        break;
    case RequirementFault::NoBound:
        return ProblemTexts::tr("下限か上限、または両方を入力してください（例: 0.1..0.5）");
    case RequirementFault::TooManyDecimals:
        return ProblemTexts::tr("要求の小数は 4 桁までです");
    case RequirementFault::TooLarge:
        return ProblemTexts::tr("要求は ±10000 mm までです");
    case RequirementFault::MinimumOverMaximum:
        return ProblemTexts::tr("下限が上限より大きくなっています。小さい方を先に入力します");
    }
    if (typed.contains(u','))
        return ProblemTexts::tr("小数点は「.」で入力してください");
    return ProblemTexts::tr("要求は 下限..上限 の mm で入力します（例: 0.1..0.5、0.1..、..0.5）");
}

QString file(const FileFault& fault)
{
    const QString where =
        fault.member ? ProblemTexts::tr("%1 番目の部品: ").arg(*fault.member + 1) : QString();
    switch (fault.kind) {
    case FileFault::Kind::NotJson:
        return ProblemTexts::tr("%1 行 %2 文字目から JSON として読めません")
            .arg(fault.line)
            .arg(fault.column);
    case FileFault::Kind::NotAnObject:
    case FileFault::Kind::NoMembers:
        return ProblemTexts::tr(
            "公差の積み上げのファイルではありません（\"members\" がありません）");
    case FileFault::Kind::NotAList:
        return ProblemTexts::tr("\"members\" が部品の一覧 [...] になっていません");
    case FileFault::Kind::MemberNotObject:
        return where + ProblemTexts::tr("部品が {\"name\": ..., \"direction\": ...} の形に"
                                        "なっていません");
    case FileFault::Kind::WrongType:
        break;
    }
    return where + ProblemTexts::tr("\"%1\" の値の型が違います").arg(qt(fault.key));
}

QString chain(const ChainText& text, const ChainFault& fault)
{
    switch (fault.where) {
    case ChainFault::Where::Member: {
        const MemberText& m = text.members[fault.member];
        const QString head =
            m.name.empty()
                ? ProblemTexts::tr("%1 番目の部品: ").arg(fault.member + 1)
                : ProblemTexts::tr("%1 番目の部品「%2」: ").arg(fault.member + 1).arg(qt(m.name));
        return head + member(m, *fault.memberFault);
    }
    case ChainFault::Where::Requirement:
        return ProblemTexts::tr("要求: %1")
            .arg(requirement(qt(text.requirement), *fault.requirementFault));
    case ChainFault::Where::Distribution:
        return ProblemTexts::tr("分布「%1」は normal か uniform です").arg(qt(text.distribution));
    case ChainFault::Where::TooManyMembers:
        break;
    }
    return ProblemTexts::tr("部品が多すぎます（%1 個まで）").arg(kMostMembers);
}

} // namespace problemTexts
