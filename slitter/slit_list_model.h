// CSlitListModel: the knife list as a table for an item view. It reads the window's one CSlitList
// in place and keeps no rows of its own.
#pragma once

#include <QAbstractTableModel>

class CSlitList;

class CSlitListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumnCount = 5;

    explicit CSlitListModel(const CSlitList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Tells the views what the list has done since the last call: the rows it gained at its end,
    // or that it was emptied. Call it after every operation on the list, refused ones included.
    void ListChanged();

    // The width in pixels the view gives a column.
    static int ColumnWidth(int column);

private:
    const CSlitList& list_;
    // The rows the views have been told of; they only learn of changes through ListChanged.
    int shownRows_ = 0;
};
