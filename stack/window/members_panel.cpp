// SPDX-License-Identifier: MIT
#include "members_panel.h"

#include "desktop/language_texts.h"
#include "model/member_table.h"
#include "window_texts.h"

#include "tolerance/service/materials.h"

#include <QCompleter>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Cells typed into as in a spreadsheet, but every key reaches the model at once, so that the
// member's limits and the answer follow the typing; a cell that does not read is drawn in red.
class CellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        auto* editor =
            qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        if (!editor)
            return nullptr;
        editor->setObjectName(QStringLiteral("cellEditor"));
        if (index.column() == MemberTable::Material)
            editor->setCompleter(materialCompleter(editor));
        auto* self = const_cast<CellDelegate*>(this);
        connect(editor, &QLineEdit::textEdited, self,
                [self, editor] { Q_EMIT self->commitData(editor); });
        return editor;
    }

    // The model's answer to a key is the text just typed: set again, it would move the cursor
    // to the end and forget the field's own undo.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (line && line->text() == index.data(Qt::EditRole).toString())
            return;
        QStyledItemDelegate::setEditorData(editor, index);
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!index.data(MemberTable::ProblemRole).toString().isEmpty()) {
            const QColor red = windowTexts::problemColour(option->palette);
            option->palette.setColor(QPalette::Text, red);
            option->palette.setColor(QPalette::HighlightedText, red.lighter(160));
        }
    }

private:
    static QCompleter* materialCompleter(QObject* parent)
    {
        QStringList names;
        for (const auto& material : tolerance::service::materialLibrary())
            names << QString::fromUtf8(material.name.data(), qsizetype(material.name.size()));
        auto* completer = new QCompleter(names, parent);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        return completer;
    }
};

QPushButton* button(const char* name)
{
    auto* b = new QPushButton;
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

MembersPanel::MembersPanel(MemberTable& table, QWidget* parent)
    : QWidget(parent), m_table(table), m_view(new QTableView), m_problem(new QLabel),
      m_add(button("addMember")), m_remove(button("removeMember")), m_up(button("moveUp")),
      m_down(button("moveDown"))
{
    setObjectName(QStringLiteral("membersPanel"));
    m_view->setObjectName(QStringLiteral("members"));
    m_view->setModel(&m_table);
    m_view->setItemDelegate(new CellDelegate(m_view));
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    // Typing, Tab goes on to the next cell as in a spreadsheet (the editor's own Tab); otherwise
    // it leaves the table, and the arrows go from cell to cell.
    m_view->setTabKeyNavigation(false);
    m_view->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::DoubleClicked);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 8);

    m_problem->setObjectName(QStringLiteral("memberProblem"));
    m_problem->setTextFormat(Qt::PlainText); // it quotes what was typed
    m_problem->setWordWrap(true);
    QPalette palette = m_problem->palette();
    palette.setColor(QPalette::WindowText, windowTexts::problemColour(palette));
    m_problem->setPalette(palette);
    // Two lines held open, so that the table does not jump as a problem comes and goes.
    m_problem->setFixedHeight(2 * m_problem->fontMetrics().lineSpacing());
    QSizePolicy policy = m_problem->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_problem->setSizePolicy(policy);
    m_problem->hide();

    auto* heading = new QLabel;
    heading->setBuddy(m_view);
    (new LanguageTexts(*this))->add([this, heading] {
        const auto say = [](QPushButton* b, const QString& text, const QString& hint) {
            b->setText(text);
            b->setToolTip(hint);
            b->setStatusTip(hint);
        };
        say(m_add, tr("追加(&A)"), tr("選んだ部品の下に部品を追加します (Ctrl++)"));
        say(m_remove, tr("削除(&D)"), tr("選んだ部品を削除します (Ctrl+-)。Ctrl+Z で戻せます"));
        say(m_up, tr("上へ(&U)"), tr("選んだ部品を一つ上へ移します (Alt+↑)"));
        say(m_down, tr("下へ(&N)"), tr("選んだ部品を一つ下へ移します (Alt+↓)"));
        heading->setText(tr("部品(&M)"));
        m_view->setAccessibleName(tr("部品"));
        m_view->setToolTip(
            tr("向き（+ 大きくする / − 小さくする）・呼び寸法・公差（H8、+0.1/-0.05、"
               "m、bearing:0 6204）。材料と温度は任意"));
        m_view->setStatusTip(m_view->toolTip());
        // Room for what a column holds, and for its head in the words in force.
        const QFontMetrics metrics = m_view->horizontalHeader()->fontMetrics();
        const int em = m_view->fontMetrics().horizontalAdvance(u'0');
        const int widths[] = {12, 4, 8, 13, 11, 8, 6};
        for (int column = 0; column < MemberTable::ColumnCount; ++column) {
            const QString head = m_table.headerData(column, Qt::Horizontal).toString();
            m_view->setColumnWidth(column, std::max(widths[column] * em + 12,
                                                    metrics.horizontalAdvance(head) + 2 * em));
        }
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(heading);
    buttons->addStretch(1);
    for (QPushButton* b : {m_add, m_remove, m_up, m_down})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_problem);

    connect(m_add, &QPushButton::clicked, this, &MembersPanel::addMember);
    connect(m_remove, &QPushButton::clicked, this, &MembersPanel::removeMember);
    connect(m_up, &QPushButton::clicked, this, [this] { moveMember(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveMember(1); });
    connect(m_view->itemDelegate(), &QAbstractItemDelegate::closeEditor, &m_table,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                if (hint == QAbstractItemDelegate::RevertModelCache)
                    m_table.cancelTyping();
                else
                    m_table.endTyping();
            });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &MembersPanel::showProblem);
    connect(&m_table, &MemberTable::dataChanged, this, &MembersPanel::showProblem);
    connect(&m_table, &MemberTable::modelReset, this, &MembersPanel::showProblem);
    connect(&m_table, &MemberTable::rowsRemoved, this, &MembersPanel::showProblem);
}

int MembersPanel::currentRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void MembersPanel::goTo(int row, int column)
{
    if (row < 0 || row >= m_table.rowCount())
        return;
    const QModelIndex index = m_table.index(row, column);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
    m_view->setFocus();
}

void MembersPanel::addMember()
{
    const int row = m_table.insertMember(currentRow());
    goTo(row, MemberTable::Name);
    m_view->edit(m_table.index(row, MemberTable::Name));
}

void MembersPanel::removeMember()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const int column = m_view->currentIndex().column();
    m_table.removeMember(row);
    goTo(std::min(row, m_table.rowCount() - 1), column);
}

void MembersPanel::moveMember(int by)
{
    const int row = currentRow();
    const int column = std::max(0, m_view->currentIndex().column());
    if (m_table.moveMember(row, by))
        goTo(row + by, column);
}

void MembersPanel::showProblem()
{
    const int row = currentRow();
    const QString problem = m_table.problemOf(row);
    m_problem->setText(problem.isEmpty() ? QString() : tr("%1 行目: %2").arg(row + 1).arg(problem));
    m_problem->setVisible(!problem.isEmpty());
    Q_EMIT problemShown(m_problem->text());
}
