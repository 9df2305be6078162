#pragma once

#include "DesignFiguresText.h"
#include "StorageSummary.h"

#include <QWidget>

class DesignSettingsBar;
class QGridLayout;
class QLabel;
class QSplitter;
class QStackedWidget;
class QTableWidget;
class QVBoxLayout;
class StorageChart;

// The Storage tab: the chart and, beside it, the storage table with the totals and the check
// under it, the design target's elevation and rate, and the bed's design figures; a short hint
// while there is no result. Shows the figures of calc/ only.
class StoragePage : public QWidget
{
    Q_OBJECT

public:
    explicit StoragePage(QWidget *parent = nullptr);

    // bedProblem says why the bed is not known when summary.bedKnown is false.
    void showSummary(const StorageSummary &summary, const QString &bedProblem);
    void clear();
    // The design figures under the totals, label beside value; none while there is no result.
    void showFigures(std::vector<DesignFiguresText::FigureLine> lines);
    const std::vector<DesignFiguresText::FigureLine> &figures() const { return m_figures; }
    // The figure lines as shown, "label: value".
    QStringList figureTexts() const;
    DesignSettingsBar *settingsBar() const { return m_settingsBar; }

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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillTable();
    void fitColumns();
    void fillTotals();
    void fillFigures();

    StorageSummary m_summary;
    QString m_bedProblem;
    bool m_hasSummary = false;
    QStackedWidget *m_stack = nullptr;
    QSplitter *m_splitter = nullptr;
    StorageChart *m_chart = nullptr;
    QTableWidget *m_table = nullptr;
    QWidget *m_totals = nullptr;
    QVBoxLayout *m_totalsLayout = nullptr;
    DesignSettingsBar *m_settingsBar = nullptr;
    std::vector<DesignFiguresText::FigureLine> m_figures;
    QWidget *m_figuresBox = nullptr;
    QGridLayout *m_figuresLayout = nullptr;
};
