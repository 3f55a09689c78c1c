// SPDX-License-Identifier: MIT
#include "window/service_panel.h"

#include "desktop/accessibility/readable_figure.h"
#include "desktop/language_texts.h"
#include "window/field_message.h"
#include "window/label_kinds.h"
#include "window/service_texts.h"
#include "window/spoken_changes.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSignalBlocker>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using namespace workbench;
using F = ServiceField;

namespace {

struct FieldText
{
    const char* label;
    const char* placeholder;
    const char* hint;
};

// In the order of ServiceField, four to a row: the hole's part, the shaft, then the joint.
const FieldText kFields[kServiceFieldCount] = {
    {QT_TRANSLATE_NOOP("ServicePanel", "穴の材料"), QT_TRANSLATE_NOOP("ServicePanel", "例: S45C"),
     QT_TRANSLATE_NOOP("ServicePanel",
                       "穴のある部品（ハブ）の材料。一覧から選ぶか名前を入力します")},
    {QT_TRANSLATE_NOOP("ServicePanel", "軸の材料"), QT_TRANSLATE_NOOP("ServicePanel", "例: S45C"),
     QT_TRANSLATE_NOOP("ServicePanel", "軸の材料。一覧から選ぶか名前を入力します")},
    {QT_TRANSLATE_NOOP("ServicePanel", "穴の温度 °C"), "20",
     QT_TRANSLATE_NOOP("ServicePanel", "使用時の穴のある部品の温度。-273.15～1000 °C（空欄なら 20 "
                                       "°C）。材料が耐える温度を超えると"
                                       "注意します")},
    {QT_TRANSLATE_NOOP("ServicePanel", "軸の温度 °C"),
     QT_TRANSLATE_NOOP("ServicePanel", "穴と同じ"),
     QT_TRANSLATE_NOOP("ServicePanel", "使用時の軸の温度。-273.15～1000 °C（空欄なら穴と同じ）")},
    {QT_TRANSLATE_NOOP("ServicePanel", "ハブ外径 mm"), QT_TRANSLATE_NOOP("ServicePanel", "例: 80"),
     QT_TRANSLATE_NOOP("ServicePanel",
                       "圧入: 穴のある部品（ハブ）の外径。穴の最大許容寸法より大きく")},
    {QT_TRANSLATE_NOOP("ServicePanel", "軸の内径 mm"),
     QT_TRANSLATE_NOOP("ServicePanel", "0（中実）"),
     QT_TRANSLATE_NOOP("ServicePanel",
                       "圧入: 中空軸の内径。軸の最小許容寸法より小さく、中実なら空欄か 0")},
    {QT_TRANSLATE_NOOP("ServicePanel", "はめあい長さ mm"),
     QT_TRANSLATE_NOOP("ServicePanel", "例: 40"),
     QT_TRANSLATE_NOOP("ServicePanel", "圧入: はめあいの長さ。0 より長く")},
    {QT_TRANSLATE_NOOP("ServicePanel", "摩擦係数"), QT_TRANSLATE_NOOP("ServicePanel", "例: 0.15"),
     QT_TRANSLATE_NOOP(
         "ServicePanel",
         "圧入: 摩擦係数。0 より大きく 1 以下。鋼と鋼は乾燥 0.15・油 0.10、鋼と鋳鉄は 0.12・0.08、"
         "鋼とアルミや青銅は 0.10・0.06、焼きばめは圧入より少し大きめ")},
    {QT_TRANSLATE_NOOP("ServicePanel", "穴の粗さ Rz µm"), QT_TRANSLATE_NOOP("ServicePanel", "なし"),
     QT_TRANSLATE_NOOP("ServicePanel", "圧入: 穴の面の Rz。軸の Rz と両方入れると、しめしろから "
                                       "0.4 ×（両面の Rz の和）を引きます")},
    {QT_TRANSLATE_NOOP("ServicePanel", "軸の粗さ Rz µm"), QT_TRANSLATE_NOOP("ServicePanel", "なし"),
     QT_TRANSLATE_NOOP("ServicePanel", "圧入: 軸の面の Rz。穴の Rz と両方入れます")},
    {QT_TRANSLATE_NOOP("ServicePanel", "トルク N·m"), QT_TRANSLATE_NOOP("ServicePanel", "探すとき"),
     QT_TRANSLATE_NOOP(
         "ServicePanel",
         "はめあいを探すとき: この伝達トルクを最小しめしろで保つ組だけを残します。0 以上")},
    {QT_TRANSLATE_NOOP("ServicePanel", "軸方向力 N"), QT_TRANSLATE_NOOP("ServicePanel", "探すとき"),
     QT_TRANSLATE_NOOP(
         "ServicePanel",
         "はめあいを探すとき: この軸方向力を最小しめしろで保つ組だけを残します。0 以上")},
    {QT_TRANSLATE_NOOP("ServicePanel", "安全率"), "1",
     QT_TRANSLATE_NOOP("ServicePanel",
                       "はめあいを探すとき: すべりに対する安全率。0 より大きく（空欄なら 1）")},
};

constexpr int kColumns = 4;

// Where each field stands: rows of four, a new row for the roughness and for the load.
std::pair<int, int> placeOf(F field)
{
    const int i = int(field);
    if (field >= F::Torque)
        return {3, i - int(F::Torque)};
    if (field >= F::HoleRz)
        return {2, i - int(F::HoleRz)};
    return {i / kColumns, i % kColumns};
}

QWidget* fieldWidget(F field)
{
    if (field != F::HoleMaterial && field != F::ShaftMaterial) {
        auto* edit = new QLineEdit;
        return edit;
    }
    auto* combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const QString& name : materialNames())
        combo->addItem(name, name);
    combo->setCurrentIndex(-1);
    return combo;
}

QString textOf(const QWidget* input)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(input))
        return combo->currentText();
    return static_cast<const QLineEdit*>(input)->text();
}

void setTextOf(QWidget* input, const QString& text)
{
    if (auto* combo = qobject_cast<QComboBox*>(input))
        combo->setEditText(text);
    else
        static_cast<QLineEdit*>(input)->setText(text);
}

// The answers stand in columns of at most this many rows, side by side, so that all of them are
// seen with the fit above on a 1280 x 1024 screen.
constexpr int kRowsPerColumn = 10;

} // namespace

ServicePanel::ServicePanel(QWidget* parent) : QGroupBox(parent), m_texts(new LanguageTexts(*this))
{
    setObjectName(QStringLiteral("serviceGroup"));
    setCheckable(true);
    setChecked(false);
    m_texts->add([this] {
        setTitle(tr("使用条件（温度と圧入）(&W)"));
        setToolTip(purpose());
        setStatusTip(toolTip());
    });
    auto* layout = new QVBoxLayout(this);
    m_margins = layout->contentsMargins();
    showOpen(false);
    connect(this, &QGroupBox::toggled, this, [this](bool open) {
        if (open)
            ensureBody();
        showOpen(open);
        refresh();
    });
}

QString ServicePanel::purpose()
{
    return tr("材料・温度・圧入の条件から、使用時のはめあいと圧入の強さを計算します");
}

void ServicePanel::ensureBody()
{
    if (m_body)
        return;
    m_workingHeads[0] = plainLabel();
    m_workingHeads[1] = plainLabel();
    m_notes = plainLabel();
    // The fields, and beside them their answers: no scroll area of its own, the page it stands
    // on scrolls where the window is too low.
    m_body = new QWidget;
    m_body->setObjectName(QStringLiteral("serviceBody"));
    auto* row = new QHBoxLayout(m_body);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(fontMetrics().height());
    row->addWidget(buildFields(), 2);
    row->addWidget(buildAnswers(), 3);
    m_body->setVisible(false);
    layout()->addWidget(m_body);
    {
        const QSignalBlocker quiet(this);
        for (int i = 0; i < kServiceFieldCount; ++i) {
            const QSignalBlocker fieldQuiet(m_inputs[i]);
            setTextOf(m_inputs[i], m_kept.text[F(i)]);
        }
    }
    // Made after the rest of the window, the fields would come last in its Tab order; they
    // follow the group's box.
    QWidget* previous = this;
    for (QWidget* input : m_inputs) {
        setTabOrder(previous, input);
        previous = input;
    }
    setTabOrder(previous, m_notes);
}

void ServicePanel::showOpen(bool open)
{
    // Folded, the group is its title line alone, no empty frame under it.
    setFlat(!open);
    if (m_body)
        m_body->setVisible(open);
    layout()->setContentsMargins(open ? m_margins : QMargins());
    // Measured without the body: a layout learns that a child was hidden only later.
    layout()->invalidate();
    setMaximumHeight(open ? QWIDGETSIZE_MAX : minimumSizeHint().height());
}

void ServicePanel::paintEvent(QPaintEvent* event)
{
    if (isChecked()) {
        QGroupBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.subControls &= ~QStyle::SC_GroupBoxFrame;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

QWidget* ServicePanel::buildFields()
{
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const QColor red = problemColour(palette());
    for (int i = 0; i < kServiceFieldCount; ++i) {
        const F field = F(i);
        const auto [row, column] = placeOf(field);
        QWidget* input = fieldWidget(field);
        input->setObjectName(serviceFieldKey(field));
        input->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000.0000")));
        input->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        auto* label = plainLabel();
        label->setBuddy(input);
        m_texts->add([input, label, i] {
            label->setText(tr(kFields[i].label));
            wrapInEnglish(label);
            input->setAccessibleName(label->text());
            input->setToolTip(tr(kFields[i].hint));
            input->setStatusTip(input->toolTip());
            auto* edit = qobject_cast<QLineEdit*>(input);
            if (auto* combo = qobject_cast<QComboBox*>(input))
                edit = combo->lineEdit();
            edit->setPlaceholderText(tr(kFields[i].placeholder));
        });
        auto* message = new FieldMessage;
        message->setObjectName(serviceFieldKey(field) + QStringLiteral("Message"));
        QPalette colours = message->palette();
        colours.setColor(QPalette::WindowText, red);
        message->setPalette(colours);
        grid->addWidget(label, 3 * row, column);
        grid->addWidget(input, 3 * row + 1, column);
        grid->addWidget(message, 3 * row + 2, column, Qt::AlignTop);
        m_inputs[i] = input;
        m_messages[i] = message;
        if (auto* combo = qobject_cast<QComboBox*>(input))
            connect(combo, &QComboBox::editTextChanged, this, &ServicePanel::refresh);
        else
            connect(static_cast<QLineEdit*>(input), &QLineEdit::textChanged, this,
                    &ServicePanel::refresh);
    }
    for (int column = 0; column < kColumns; ++column)
        grid->setColumnStretch(column, 1);
    grid->setRowStretch(3 * 4, 1);
    return box;
}

QWidget* ServicePanel::buildAnswers()
{
    auto* box = new QWidget;
    box->setObjectName(QStringLiteral("serviceAnswers"));
    m_answers = box;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_answerGrid = new QGridLayout;
    // Each column of answers under its own heads; the second one's shown once it has rows.
    for (int block = 0; block < 2; ++block) {
        m_coldHeads[block] = plainLabel(QStringLiteral("20 °C"));
        m_answerGrid->addWidget(m_coldHeads[block], 0, 3 * block + 1, Qt::AlignRight);
        m_answerGrid->addWidget(m_workingHeads[block], 0, 3 * block + 2, Qt::AlignRight);
        m_answerGrid->setColumnStretch(3 * block, 1);
    }
    m_coldHeads[0]->setObjectName(QStringLiteral("serviceColdHead"));
    m_coldHeads[1]->setObjectName(QStringLiteral("serviceColdHeadBeside"));
    m_workingHeads[0]->setObjectName(QStringLiteral("serviceWorkingHead"));
    m_workingHeads[1]->setObjectName(QStringLiteral("serviceWorkingHeadBeside"));
    m_answerGrid->setHorizontalSpacing(fontMetrics().height());
    layout->addLayout(m_answerGrid);
    m_notes->setObjectName(QStringLiteral("serviceNotes"));
    m_notes->setWordWrap(true);
    m_notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    accessibility::makeReadable(*m_notes);
    layout->addWidget(m_notes);
    layout->addStretch(1);
    return box;
}

ServiceFields ServicePanel::fields() const
{
    ServiceFields typed = m_kept;
    typed.open = isChecked();
    if (!m_body)
        return typed;
    for (int i = 0; i < kServiceFieldCount; ++i)
        typed.text[F(i)] = textOf(m_inputs[i]);
    return typed;
}

void ServicePanel::setFields(const ServiceFields& typed)
{
    m_kept = typed;
    {
        const QSignalBlocker quiet(this);
        if (m_body) {
            for (int i = 0; i < kServiceFieldCount; ++i) {
                const QSignalBlocker fieldQuiet(m_inputs[i]);
                setTextOf(m_inputs[i], typed.text[F(i)]);
            }
        } else if (typed.open) {
            ensureBody(); // takes the texts kept
        }
        setChecked(typed.open);
        showOpen(typed.open);
    }
    refresh();
}

void ServicePanel::setFit(const Answer& fit)
{
    m_fit = fit;
    refresh();
}

void ServicePanel::refresh()
{
    m_answer = serviceAnswerFor(fields(), m_fit);
    if (!m_body) {
        Q_EMIT answered(); // folded and never opened: no answer, nothing to show
        return;
    }
    showProblems();
    showLines();
    Q_EMIT answered();
}

void ServicePanel::showProblems()
{
    for (int i = 0; i < kServiceFieldCount; ++i) {
        const QString& problem = m_answer.problems[F(i)];
        m_messages[i]->setText(problem);
        m_inputs[i]->setAccessibleDescription(problem);
        // Said once the typing rests, as the fit's fields are: "S" on the way to "S45C" is no
        // material, and not worth a word.
        if (m_spoken)
            m_spoken->setProblem(*m_inputs[i], problem);
    }
}

void ServicePanel::showLines()
{
    const serviceTexts::Lines lines = serviceTexts::linesOf(m_fit, m_answer);
    const bool warm = !lines.workingHead.isEmpty();
    const bool beside = lines.rows.size() > kRowsPerColumn;
    for (int block = 0; block < 2; ++block) {
        m_workingHeads[block]->setText(lines.workingHead);
        m_workingHeads[block]->setVisible(warm && (block == 0 || beside));
    }
    m_coldHeads[1]->setVisible(beside);
    const bool growing = m_rowLabels.size() < 3 * lines.rows.size();
    while (m_rowLabels.size() < 3 * lines.rows.size()) {
        const int index = int(m_rowLabels.size() / 3);
        // Ten in the first column, the rest beside it.
        const int block = index < kRowsPerColumn ? 0 : 1;
        const int row = index - block * kRowsPerColumn + 1;
        for (int column = 0; column < 3; ++column) {
            QLabel* label = plainLabel();
            if (column > 0) {
                label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                label->setTextInteractionFlags(Qt::TextSelectableByMouse);
                accessibility::makeReadable(*label);
            }
            m_answerGrid->addWidget(label, row, 3 * block + column);
            m_rowLabels << label;
        }
    }
    if (growing)
        chainFigures();
    for (qsizetype i = 0; i < m_rowLabels.size() / 3; ++i) {
        QLabel** cells = m_rowLabels.data() + 3 * i;
        const bool shown = i < lines.rows.size();
        for (int column = 0; column < 3; ++column)
            cells[column]->setVisible(shown && (column < 2 || warm));
        if (!shown)
            continue;
        const serviceTexts::Row& row = lines.rows[i];
        cells[0]->setText(row.meaning);
        wrapInEnglish(cells[0]);
        cells[1]->setObjectName(row.key);
        cells[2]->setObjectName(row.key + QStringLiteral("AtWorking"));
        accessibility::showFigure(*cells[1], row.meaning + QStringLiteral(" 20 °C"), row.at20);
        accessibility::showFigure(*cells[2], row.meaning + u' ' + lines.workingHead, row.atWorking);
        cells[2]->setVisible(warm && !row.atWorking.isEmpty());
    }
    m_notes->setText(lines.notes.join(u'\n'));
    m_notes->setAccessibleName(lines.notes.join(words::stop()));
    m_notes->setVisible(!lines.notes.isEmpty());
    // The scroll area's hint is its content's, which its layout above does not watch.
    m_body->updateGeometry();
}

void ServicePanel::chainFigures()
{
    // Figures made as answers come are last in the window's Tab order; they belong right after
    // the fields they answer, row by row, then the notes.
    QWidget* previous = m_inputs[kServiceFieldCount - 1];
    for (qsizetype i = 0; i < m_rowLabels.size(); ++i) {
        if (i % 3 == 0)
            continue; // the meaning, read with each figure
        setTabOrder(previous, m_rowLabels[i]);
        previous = m_rowLabels[i];
    }
    setTabOrder(previous, m_notes);
}

QList<QLabel*> ServicePanel::columnHeads() const
{
    QList<QLabel*> heads;
    if (!m_body)
        return heads;
    for (int block = 0; block < 2; ++block)
        for (QLabel* head : {m_coldHeads[block], m_workingHeads[block]})
            if (!head->isHidden())
                heads << head;
    return heads;
}

QString ServicePanel::copyLines() const
{
    return serviceTexts::copyLines(m_fit, m_answer);
}

std::optional<ZonePicture::WarmZones> ServicePanel::warmZones() const
{
    if (!m_answer.thermal || !m_answer.warm())
        return std::nullopt;
    return ZonePicture::WarmZones{m_answer.thermal->hole, m_answer.thermal->shaft,
                                  serviceTexts::celsiusText(m_answer.working->holeCelsius),
                                  serviceTexts::celsiusText(m_answer.working->shaftCelsius)};
}

void ServicePanel::restore()
{
    setFields(loadServiceFields());
}

void ServicePanel::writeTo(QSettings& settings) const
{
    writeServiceFields(settings, fields());
}
