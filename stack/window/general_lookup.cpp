// SPDX-License-Identifier: MIT
#include "general_lookup.h"

#include "figure.h"
#include "model/problem_texts.h"
#include "window_texts.h"

#include "tolerance/general/general_tolerance.h"
#include "tolerance/stack/member.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

using namespace tolerance::general;

namespace {

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

QString figureOf(GeneralClass generalClass, Kind kind, tolerance::Length size)
{
    const auto answer = generalTolerance(generalClass, kind, size);
    if (const auto* fault = std::get_if<GeneralFault>(&answer)) {
        if (*fault == GeneralFault::BelowTable)
            return QStringLiteral("表の範囲外（%1 より小さい）")
                .arg(qt(stepLabel(stepsOf(kind).front())));
        return QStringLiteral("表の範囲外");
    }
    const GeneralTolerance& tolerance = std::get<GeneralTolerance>(answer);
    const QString step = qt(stepLabel(tolerance.step));
    return step.isEmpty() ? qt(toleranceText(tolerance))
                          : QStringLiteral("%1（%2）").arg(qt(toleranceText(tolerance)), step);
}

} // namespace

GeneralLookup::GeneralLookup(QWidget* parent)
    : QWidget(parent), m_size(new QLineEdit), m_class(new QComboBox), m_problem(new QLabel),
      m_linear(new Figure(QStringLiteral("長さの普通公差"), "generalLinear")),
      m_chamfer(new Figure(QStringLiteral("面取り部分の普通公差"), "generalChamfer")),
      m_angle(new Figure(QStringLiteral("角度の普通公差"), "generalAngle"))
{
    setObjectName(QStringLiteral("generalLookup"));
    m_size->setObjectName(QStringLiteral("generalSize"));
    m_size->setPlaceholderText(QStringLiteral("例: 35"));
    m_size->setAccessibleName(QStringLiteral("普通公差を見る寸法"));
    m_class->setObjectName(QStringLiteral("generalClass"));
    m_class->setAccessibleName(QStringLiteral("普通公差の等級"));
    const std::pair<GeneralClass, const char*> classes[] = {{GeneralClass::f, "f 精級"},
                                                            {GeneralClass::m, "m 中級"},
                                                            {GeneralClass::c, "c 粗級"},
                                                            {GeneralClass::v, "v 極粗級"}};
    for (const auto& [generalClass, name] : classes)
        m_class->addItem(QString::fromUtf8(name), QVariant::fromValue(int(generalClass)));
    m_class->setCurrentIndex(1);
    m_problem->setObjectName(QStringLiteral("generalProblem"));
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setWordWrap(true);
    QPalette palette = m_problem->palette();
    palette.setColor(QPalette::WindowText, windowTexts::problemColour(palette));
    m_problem->setPalette(palette);

    auto* form = new QFormLayout(this);
    auto* sizeLabel = new QLabel(QStringLiteral("寸法 mm(&Z)"));
    sizeLabel->setBuddy(m_size);
    auto* classLabel = new QLabel(QStringLiteral("等級(&L)"));
    classLabel->setBuddy(m_class);
    form->addRow(sizeLabel, m_size);
    form->addRow(classLabel, m_class);
    form->addRow(m_problem);
    form->addRow(new QLabel(QStringLiteral("長さ")), m_linear);
    form->addRow(new QLabel(QStringLiteral("面取り部分")), m_chamfer);
    form->addRow(new QLabel(QStringLiteral("角度（短い辺）")), m_angle);
    auto* note = new QLabel(
        QStringLiteral("JIS B 0405 (ISO 2768-1)。部品の公差に等級の文字だけ（m など）を書くと、"
                       "呼び寸法の長さの普通公差になります"));
    note->setWordWrap(true);
    form->addRow(note);

    connect(m_size, &QLineEdit::textChanged, this, &GeneralLookup::refresh);
    connect(m_class, &QComboBox::currentIndexChanged, this, &GeneralLookup::refresh);
    refresh();
}

void GeneralLookup::refresh()
{
    const auto size = tolerance::stack::readNominal(m_size->text().toStdString());
    const auto generalClass = GeneralClass(m_class->currentData().toInt());
    const auto* length = std::get_if<tolerance::Length>(&size);
    QString problem;
    if (!length && !m_size->text().trimmed().isEmpty())
        problem = problemTexts::member({}, std::get<tolerance::stack::MemberFault>(size));
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    m_linear->showValue(length ? figureOf(generalClass, Kind::Linear, *length) : QString());
    m_chamfer->showValue(length ? figureOf(generalClass, Kind::Chamfer, *length) : QString());
    m_angle->showValue(length ? figureOf(generalClass, Kind::Angle, *length) : QString());
}
