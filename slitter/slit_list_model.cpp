#include "slitter/slit_list_model.h"

#include <array>
#include <climits>

#include "slitter/slit_list.h"

namespace {

struct Column {
    const char* heading;
    Qt::Alignment alignment;
    int width; // pixels
};

constexpr std::array<Column, CSlitListModel::kColumnCount> kColumns = {{
    {"Knife #", Qt::AlignHCenter, 50},
    {"Width (Inches)", Qt::AlignLeft, 88},
    {"Width (mm)", Qt::AlignLeft, 88},
    {"Distance (Inches)", Qt::AlignLeft, 128},
    {"Distance (mm)", Qt::AlignLeft, 128},
}};

// A view's row count is an int; a list that somehow outgrows it shows its first INT_MAX rows.
int ViewRows(const CSlitList& list) {
    return list.RowCount() > static_cast<std::size_t>(INT_MAX) ? INT_MAX
                                                               : static_cast<int>(list.RowCount());
}

int AlignmentRole(int column) {
    // Item delegates and header views read the alignment as a plain integer.
    return static_cast<int>(kColumns[static_cast<std::size_t>(column)].alignment |
                            Qt::AlignVCenter);
}

} // namespace

CSlitListModel::CSlitListModel(const CSlitList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list), shownRows_(ViewRows(list)) {}

int CSlitListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int CSlitListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CSlitListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() < 0 || index.column() >= kColumnCount) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return AlignmentRole(index.column());
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    // Between an emptying of the list and ListChanged a view may still ask for a gone row.
    if (index.row() < 0 || row >= list_.RowCount()) {
        return {};
    }
    const std::string& cell = list_.Row(row).cells[static_cast<std::size_t>(index.column())];
    return QString::fromLatin1(cell.data(), static_cast<qsizetype>(cell.size()));
}

QVariant CSlitListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return QString::fromLatin1(kColumns[static_cast<std::size_t>(section)].heading);
    }
    if (role == Qt::TextAlignmentRole) {
        return AlignmentRole(section);
    }
    return {};
}

void CSlitListModel::ListChanged() {
    const int listRows = ViewRows(list_);
    if (listRows < shownRows_) {
        // Rows never go one by one: the list was emptied.
        beginResetModel();
        shownRows_ = listRows;
        endResetModel();
    } else if (listRows > shownRows_) {
        beginInsertRows(QModelIndex(), shownRows_, listRows - 1);
        shownRows_ = listRows;
        endInsertRows();
    }
}

int CSlitListModel::ColumnWidth(int column) {
    return column >= 0 && column < kColumnCount ? kColumns[static_cast<std::size_t>(column)].width
                                                : 0;
}
