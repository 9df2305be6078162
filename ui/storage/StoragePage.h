#pragma once

#include "StorageSummary.h"

#include <QWidget>

class QLabel;
class QSplitter;
class QStackedWidget;
class QTableWidget;
class QVBoxLayout;
class StorageChart;

// The Storage tab: the chart and, beside it, the storage table with the totals and the check
// under it; a short hint while there is no result. Shows the figures of calc/ only.
class StoragePage : public QWidget
{
    Q_OBJECT

public:
    explicit StoragePage(QWidget *parent = nullptr);

    // bedProblem says why the bed is not known when summary.bedKnown is false.
    void showSummary(const StorageSummary &summary, const QString &bedProblem);
    void clear();

    bool hasSummary() const { return m_hasSummary; }
    const StorageSummary &summary() const { return m_summary; }
    const QString &bedProblem() const { return m_bedProblem; }

    StorageChart *chart() const { return m_chart; }
    QTableWidget *table() const { return m_table; }
    // The totals and check lines under the table, in order.
    QStringList totalTexts() const;

    // The whole table with its header row, as the clipboard takes it.
    QString tableText() const;
    // The rows and columns that hold selected cells, with the header row; empty when
    // nothing is selected.
    QString selectionText() const;

public slots:
    void copyTable();
    void copySelection();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillTable();
    void fitColumns();
    void fillTotals();

    StorageSummary m_summary;
    QString m_bedProblem;
    bool m_hasSummary = false;
    QStackedWidget *m_stack = nullptr;
    QSplitter *m_splitter = nullptr;
    StorageChart *m_chart = nullptr;
    QTableWidget *m_table = nullptr;
    QWidget *m_totals = nullptr;
    QVBoxLayout *m_totalsLayout = nullptr;
};
