// SPDX-License-Identifier: MIT
#include "model/member_table.h"

#include "model/problem_texts.h"

#include "tolerance/stack/typed_text.h"

using namespace tolerance::stack;
using tolerance::Length;

namespace {

// Far more than a session's worth of changes; each keeps the members' texts.
constexpr std::size_t kMostUndoSteps = 200;

const std::string* fieldOf(const MemberText& text, int column)
{
    switch (column) {
    case MemberTable::Name:
        return &text.name;
    case MemberTable::Direction:
        return &text.direction;
    case MemberTable::Nominal:
        return &text.nominal;
    case MemberTable::Tolerance:
        return &text.tolerance;
    case MemberTable::Material:
        return &text.material;
    case MemberTable::Temperature:
        return &text.temperature;
    default:
        return nullptr;
    }
}

std::string* fieldOf(MemberText& text, int column)
{
    return const_cast<std::string*>(fieldOf(std::as_const(text), column));
}

int columnOf(Field field)
{
    switch (field) {
    case Field::Direction:
        return MemberTable::Direction;
    case Field::Nominal:
        return MemberTable::Nominal;
    case Field::Tolerance:
        return MemberTable::Tolerance;
    case Field::Material:
        return MemberTable::Material;
    case Field::Temperature:
        return MemberTable::Temperature;
    }
    return -1;
}

} // namespace

bool MemberTable::blank(const MemberText& text)
{
    for (const std::string* field : {&text.name, &text.direction, &text.nominal, &text.tolerance,
                                     &text.material, &text.temperature})
        if (!foldTyped(*field).empty())
            return false;
    return true;
}

MemberTable::MemberTable(QObject* parent) : QAbstractTableModel(parent) {}

MemberTable::Row MemberTable::readRow(MemberText text)
{
    Row row{std::move(text), MemberFault{}, {}, false, {}, -1, false};
    row.blank = blank(row.text);
    row.read = readMember(row.text);
    if (row.blank)
        return row;
    if (const auto* fault = std::get_if<MemberFault>(&row.read)) {
        row.problem = problemTexts::member(row.text, *fault);
        row.problemColumn = columnOf(fault->field);
    }
    // The limits as soon as the tolerance reads, whatever else is still missing.
    const auto nominal = readNominal(row.text.nominal);
    const Length at = std::holds_alternative<Length>(nominal) ? std::get<Length>(nominal) : 0;
    const auto limits = readTolerance(row.text.tolerance, at);
    row.limitsRead = std::holds_alternative<tolerance::Deviations>(limits);
    if (const auto* deviations = std::get_if<tolerance::Deviations>(&limits))
        row.limits = QString::fromStdString(tolerance::textOfLimits(*deviations));
    else if (std::holds_alternative<Length>(nominal) ||
             std::get<MemberFault>(limits).fault != Fault::ClassNeedsSize)
        row.limits = problemTexts::member(row.text, std::get<MemberFault>(limits));
    return row;
}

int MemberTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int MemberTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MemberTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row& row = m_rows[std::size_t(index.row())];
    const int column = index.column();
    const bool faulty = column == row.problemColumn ||
                        (column == Limits && !row.limitsRead && !row.limits.isEmpty());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (column == Limits)
            return row.limits;
        if (const std::string* field = fieldOf(row.text, column))
            return QString::fromStdString(*field);
        return {};
    case Qt::ToolTipRole:
    case ProblemRole:
        return faulty ? (column == Limits ? row.limits : row.problem) : QString();
    default:
        return {};
    }
}

QVariant MemberTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case Name:
        return MemberTable::tr("名前");
    case Direction:
        return MemberTable::tr("向き");
    case Nominal:
        return MemberTable::tr("呼び寸法 mm");
    case Tolerance:
        return MemberTable::tr("公差");
    case Limits:
        return MemberTable::tr("寸法許容差 mm");
    case Material:
        return MemberTable::tr("材料");
    case Temperature:
        return MemberTable::tr("温度 °C");
    default:
        return {};
    }
}

Qt::ItemFlags MemberTable::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == Limits ? flags : flags | Qt::ItemIsEditable;
}

bool MemberTable::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount())
        return false;
    Row& row = m_rows[std::size_t(index.row())];
    std::string* field = fieldOf(row.text, index.column());
    const std::string typed = value.toString().toStdString();
    if (!field || *field == typed)
        return false;
    if (m_typing != std::pair(index.row(), index.column()))
        remember(index.row(), index.column());
    MemberText text = row.text;
    *fieldOf(text, index.column()) = typed;
    row = readRow(std::move(text));
    m_typing = std::pair(index.row(), index.column());
    Q_EMIT dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    changed();
    return true;
}

void MemberTable::endTyping()
{
    m_typing.reset();
}

void MemberTable::cancelTyping()
{
    if (!m_typing)
        return;
    std::vector<Snapshot> nowhere;
    restore(m_undo, nowhere);
}

std::vector<MemberText> MemberTable::texts() const
{
    std::vector<MemberText> texts;
    texts.reserve(m_rows.size());
    for (const Row& row : m_rows)
        texts.push_back(row.text);
    return texts;
}

void MemberTable::retranslate()
{
    for (Row& row : m_rows)
        row = readRow(std::move(row.text));
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!m_rows.empty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void MemberTable::setTexts(const std::vector<MemberText>& texts)
{
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(texts.size());
    for (const MemberText& text : texts)
        m_rows.push_back(readRow(text));
    endResetModel();
    m_undo.clear();
    m_redo.clear();
    m_typing.reset();
    Q_EMIT undoChanged();
    Q_EMIT membersChanged();
}

int MemberTable::insertMember(int after)
{
    const int row = after < 0 || after >= rowCount() ? rowCount() : after + 1;
    remember(row, Name);
    beginInsertRows({}, row, row);
    m_rows.insert(m_rows.begin() + row, readRow(MemberText{}));
    endInsertRows();
    changed();
    return row;
}

void MemberTable::removeMember(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    remember(row, Name);
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
    changed();
}

bool MemberTable::moveMember(int row, int by)
{
    const int to = row + by;
    if (row < 0 || row >= rowCount() || to < 0 || to >= rowCount() || by == 0)
        return false;
    remember(row, Name);
    // Qt names the row the moved one goes before.
    beginMoveRows({}, row, row, {}, by > 0 ? to + 1 : to);
    std::swap(m_rows[std::size_t(row)], m_rows[std::size_t(to)]);
    endMoveRows();
    changed();
    return true;
}

void MemberTable::remember(int row, int column)
{
    m_typing.reset();
    m_undo.push_back({texts(), row, column});
    if (m_undo.size() > kMostUndoSteps)
        m_undo.erase(m_undo.begin());
    m_redo.clear();
    Q_EMIT undoChanged();
}

QModelIndex MemberTable::restore(std::vector<Snapshot>& from, std::vector<Snapshot>& to)
{
    if (from.empty())
        return {};
    Snapshot back = std::move(from.back());
    from.pop_back();
    to.push_back({texts(), back.row, back.column});
    if (back.texts.size() == m_rows.size()) {
        // The same rows: each changed one is told, and the view keeps its cursor and editors.
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            if (m_rows[i].text == back.texts[i])
                continue;
            m_rows[i] = readRow(std::move(back.texts[i]));
            Q_EMIT dataChanged(index(int(i), 0), index(int(i), ColumnCount - 1));
        }
    } else {
        beginResetModel();
        m_rows.clear();
        for (MemberText& text : back.texts)
            m_rows.push_back(readRow(std::move(text)));
        endResetModel();
    }
    m_typing.reset();
    Q_EMIT undoChanged();
    Q_EMIT membersChanged();
    const int row = std::min(back.row, rowCount() - 1);
    return row >= 0 ? index(row, back.column) : QModelIndex();
}

QModelIndex MemberTable::undo()
{
    return restore(m_undo, m_redo);
}

QModelIndex MemberTable::redo()
{
    return restore(m_redo, m_undo);
}

void MemberTable::changed()
{
    Q_EMIT membersChanged();
}

std::optional<std::vector<Member>> MemberTable::members() const
{
    std::vector<Member> members;
    members.reserve(m_rows.size());
    for (const Row& row : m_rows) {
        if (row.blank)
            continue;
        const auto* member = std::get_if<Member>(&row.read);
        if (!member)
            return std::nullopt;
        members.push_back(*member);
    }
    if (members.empty())
        return std::nullopt;
    return members;
}

std::optional<std::pair<int, QString>> MemberTable::firstProblem() const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (!m_rows[i].problem.isEmpty())
            return std::pair(int(i), m_rows[i].problem);
    return std::nullopt;
}

QString MemberTable::problemOf(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows[std::size_t(row)].problem : QString();
}
