// SPDX-License-Identifier: MIT
#include "general_lookup.h"

#include "desktop/accessibility/figure_label.h"
#include "desktop/language_texts.h"
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
            return GeneralLookup::tr("表の範囲外（%1 より小さい）")
                .arg(qt(stepLabel(stepsOf(kind).front())));
        return GeneralLookup::tr("表の範囲外");
    }
    const GeneralTolerance& tolerance = std::get<GeneralTolerance>(answer);
    const QString step = qt(stepLabel(tolerance.step));
    return step.isEmpty() ? qt(toleranceText(tolerance))
                          : GeneralLookup::tr("%1（%2）").arg(qt(toleranceText(tolerance)), step);
}

// Its meaning comes with the window's language.
FigureLabel* figure(const char* name)
{
    auto* label = new FigureLabel;
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

GeneralLookup::GeneralLookup(QWidget* parent)
    : QWidget(parent), m_size(new QLineEdit), m_class(new QComboBox), m_problem(new QLabel),
      m_linear(figure("generalLinear")), m_chamfer(figure("generalChamfer")),
      m_angle(figure("generalAngle"))
{
    setObjectName(QStringLiteral("generalLookup"));
    m_size->setObjectName(QStringLiteral("generalSize"));
    m_class->setObjectName(QStringLiteral("generalClass"));
    for (const GeneralClass generalClass :
         {GeneralClass::f, GeneralClass::m, GeneralClass::c, GeneralClass::v})
        m_class->addItem(QString(), QVariant::fromValue(int(generalClass)));
    m_class->setCurrentIndex(1);
    m_problem->setObjectName(QStringLiteral("generalProblem"));
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setWordWrap(true);
    QPalette palette = m_problem->palette();
    palette.setColor(QPalette::WindowText, windowTexts::problemColour(palette));
    m_problem->setPalette(palette);

    auto* form = new QFormLayout(this);
    auto* sizeLabel = new QLabel;
    sizeLabel->setBuddy(m_size);
    auto* classLabel = new QLabel;
    classLabel->setBuddy(m_class);
    auto* linearName = new QLabel;
    auto* chamferName = new QLabel;
    auto* angleName = new QLabel;
    auto* note = new QLabel;
    note->setWordWrap(true);
    form->addRow(sizeLabel, m_size);
    form->addRow(classLabel, m_class);
    form->addRow(m_problem);
    form->addRow(linearName, m_linear);
    form->addRow(chamferName, m_chamfer);
    form->addRow(angleName, m_angle);
    form->addRow(note);
    (new LanguageTexts(*this))->add([=, this] {
        m_linear->setMeaning(tr("長さの普通公差"));
        m_chamfer->setMeaning(tr("面取り部分の普通公差"));
        m_angle->setMeaning(tr("角度の普通公差"));
        m_size->setPlaceholderText(tr("例: 35"));
        m_size->setAccessibleName(tr("普通公差を見る寸法"));
        m_class->setAccessibleName(tr("普通公差の等級"));
        const QString classes[] = {tr("f 精級"), tr("m 中級"), tr("c 粗級"), tr("v 極粗級")};
        for (int i = 0; i < 4; ++i)
            m_class->setItemText(i, classes[i]);
        sizeLabel->setText(tr("寸法 mm(&Z)"));
        classLabel->setText(tr("等級(&L)"));
        linearName->setText(tr("長さ"));
        chamferName->setText(tr("面取り部分"));
        angleName->setText(tr("角度（短い辺）"));
        note->setText(tr("JIS B 0405 (ISO 2768-1)。部品の公差に等級の文字だけ（m など）を書くと、"
                         "呼び寸法の長さの普通公差になります"));
        refresh();
    });

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
