#include "frmTessivaneMain.h"

#include "Calculator.h"
#include "DesignFiguresText.h"
#include "DesignSession.h"
#include "DesignSettingsBar.h"
#include "DesktopLauncher.h"
#include "DocumentCommands.h"
#include "DocumentOpener.h"
#include "ExportCommands.h"
#include "FocusCue.h"
#include "HelpImageMenu.h"
#include "HelpResources.h"
#include "HelpViewerHost.h"
#include "InputForm.h"
#include "InputRows.h"
#include "MainMenus.h"
#include "ReportCommands.h"
#include "ReportDocument.h"
#include "ReportView.h"
#include "SizeBedDialog.h"
#include "StoragePage.h"
#include "TessivaneVersion.h"
#include "UserDialogs.h"
#include "WidgetPlacement.h"
#include "frmAboutTessivane.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

namespace {

constexpr int ClientWidth = 762;
constexpr int ClientHeight = 617;
constexpr int InputTab = 0;
constexpr int OutputTab = 1;
constexpr int HelpTab = 2;
constexpr int StorageTab = 3;

char decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? point.at(0).toLatin1() : '.';
}

} // namespace

frmTessivaneMain::frmTessivaneMain(UserDialogs &dialogs, const QString &appDir, QWidget *parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_appDir(appDir)
{
    setObjectName(QStringLiteral("frmTessivaneMain"));
    setWindowTitle(QStringLiteral("Tessivane Stage vs Area Calculator for VELDO 3.2"));
    QFont windowFont = font();
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    m_client->installEventFilter(this);
    setCentralWidget(m_client);

    createPages();
    m_session = std::make_unique<DesignSession>(QFile::encodeName(m_appDir).toStdString());
    m_document = new DocumentCommands(*this, *m_session, m_dialogs, this);
    m_reportCommands = new ReportCommands(
        m_dialogs, [this] { return reportContent(); }, this);
    m_exportCommands = new ExportCommands(
        m_dialogs,
        [this] {
            return ExportCommands::Source{m_session->record(), CurrentFileName()};
        },
        this);
    m_menus = new MainMenus(menuBar());
    createHelp();
    connectMenus();
    createCalculateShortcuts();

    Form_Load();

    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

frmTessivaneMain::~frmTessivaneMain() = default;

void frmTessivaneMain::createPages()
{
    m_SSTab1 = new QTabWidget(m_client);
    m_SSTab1->setObjectName(QStringLiteral("SSTab1"));
    QFont tabFont = m_SSTab1->tabBar()->font();
    tabFont.setPointSizeF(9.75);
    m_SSTab1->tabBar()->setFont(tabFont);
    // The pages proper sit on top of the tab control and are switched by SSTab1_Click,
    // so that they can be placed exactly inside it.
    for (const QString &caption : {tr("Input Data"), tr("Output"), tr("Help"), tr("Storage")})
        m_SSTab1->addTab(new QWidget, caption);

    m_picPage1 = new InputForm(m_SSTab1);
    m_txtOut = new ReportView(m_SSTab1);
    m_helpViewer = new HelpViewerHost(m_SSTab1);
    m_storagePage = new StoragePage(m_SSTab1);
    for (QWidget *page : {static_cast<QWidget *>(m_picPage1), static_cast<QWidget *>(m_txtOut),
                          m_helpViewer->widget(), static_cast<QWidget *>(m_storagePage)})
        page->raise();

    connect(m_SSTab1, &QTabWidget::currentChanged, this, &frmTessivaneMain::SSTab1_Click);
    connect(m_picPage1, &InputForm::inputChanged, this, &frmTessivaneMain::inputChanged);
    connect(m_picPage1->cmdCalculate(), &QPushButton::clicked, this,
            &frmTessivaneMain::cmdCalculate_Click);
    connect(m_picPage1->cmdHelp(), &QPushButton::clicked, this, &frmTessivaneMain::cmdHelp_Click);
    connect(m_storagePage->settingsBar(), &DesignSettingsBar::edited, this,
            &frmTessivaneMain::designSettingsEdited);

    // The tab strip is the tab control's focus proxy and a child of it: the options follow
    // the strip itself, not the tab control, which the focus chain visits before its child.
    QWidget::setTabOrder(m_SSTab1->tabBar(), m_picPage1->optMethod(1));
    QWidget::setTabOrder(m_picPage1->lastInTabOrder(), m_txtOut);
    QWidget::setTabOrder(m_txtOut, m_helpViewer->widget());
    QWidget::setTabOrder(m_helpViewer->widget(), m_storagePage);
}

void frmTessivaneMain::createHelp()
{
    // Documents and the web site open with the programs the desktop associates with them.
    m_launcher = DesktopLauncher::platformDefault();
    m_opener = std::make_unique<DocumentOpener>(*m_launcher, m_dialogs);

    HelpImageMenu::Hooks hooks;
    hooks.setItemEnabled = [this](int index, bool enabled) {
        m_menus->mnuHelp_Image_Size[index]->setEnabled(enabled);
    };
    hooks.setItemChecked = [this](int index, bool checked) {
        m_menus->mnuHelp_Image_Size[index]->setChecked(checked);
    };
    hooks.setPicture = [this](const QPixmap &picture) { m_helpViewer->SetPicture(picture); };
    hooks.refreshViewer = [this] { m_helpViewer->Refresh(); };
    m_helpImages = std::make_unique<HelpImageMenu>(m_appDir, std::move(hooks));
}

void frmTessivaneMain::connectMenus()
{
    MainMenus &m = *m_menus;
    connect(m.mnuFile_Clear, &QAction::triggered, m_document,
            &DocumentCommands::mnuFile_Clear_Click);
    connect(m.mnuFile_Open, &QAction::triggered, m_document, &DocumentCommands::mnuFile_Open_Click);
    connect(m.mnuFile_Save, &QAction::triggered, m_document, &DocumentCommands::mnuFile_Save_Click);
    connect(m.mnuFile_SaveAs, &QAction::triggered, m_document,
            &DocumentCommands::mnuFile_SaveAs_Click);
    connect(m.mnuFile_ExportPdf, &QAction::triggered, m_reportCommands,
            &ReportCommands::mnuFile_ExportPdf_Click);
    connect(m.mnuFile_Print, &QAction::triggered, m_reportCommands,
            &ReportCommands::mnuFile_Print_Click);
    for (const auto &[kind, action] : m.mnuFile_Exports)
        connect(action, &QAction::triggered, m_exportCommands,
                [this, kind = kind] { m_exportCommands->exportTo(kind); });
    connect(m.mnuFile_Exit, &QAction::triggered, this, &frmTessivaneMain::mnuFile_Exit_Click);
    connect(m.mnuFile, &QMenu::aboutToShow, this, &frmTessivaneMain::mnuFile_Click);

    connect(m.mnuEdit, &QMenu::aboutToShow, this, &frmTessivaneMain::mnuEdit_Click);
    connect(m.mnuEdit_Copy, &QMenu::aboutToShow, this, &frmTessivaneMain::mnuEdit_Copy_Click);
    connect(m.mnuEdit_Copy_StageArea, &QAction::triggered, this,
            &frmTessivaneMain::mnuEdit_Copy_StageArea_Click);
    connect(m.mnuEdit_Copy_Length, &QAction::triggered, this,
            &frmTessivaneMain::mnuEdit_Copy_Length_Click);
    connect(m.mnuEdit_Copy_Width, &QAction::triggered, this,
            &frmTessivaneMain::mnuEdit_Copy_Width_Click);
    connect(m.mnuEdit_Copy_StorageTable, &QAction::triggered, m_storagePage,
            &StoragePage::copyTable);

    connect(m.mnuDesign_SizeBed, &QAction::triggered, this,
            &frmTessivaneMain::mnuDesign_SizeBed_Click);

    connect(m.mnuHelp_Manual, &QAction::triggered, this, &frmTessivaneMain::mnuHelp_Manual_Click);
    connect(m.mnuHelp_Website, &QAction::triggered, this, &frmTessivaneMain::mnuHelp_Website_Click);
    for (int index = 1; index <= 4; ++index)
        connect(m.mnuHelp_Image_Size[index], &QAction::triggered, this,
                [this, index] { cmd_ImageSize(index); });
    connect(m.mnuHelp_About, &QAction::triggered, this, &frmTessivaneMain::mnuHelp_About_Click);
}

void frmTessivaneMain::createCalculateShortcuts()
{
    // Calculate from anywhere in the window, without reaching for the button.
    auto *calculate = new QAction(tr("Calculate"), this);
    calculate->setObjectName(QStringLiteral("actCalculate"));
    calculate->setShortcuts({QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Return),
                             QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    addAction(calculate);
    connect(calculate, &QAction::triggered, this, &frmTessivaneMain::cmdCalculate_Click);
}

void frmTessivaneMain::Form_Load()
{
    m_document->setBaseCaption(windowTitle());
    m_helpImages->loadAtStart();
    m_picPage1->rows()->cmbChamberType()->setCurrentIndex(-1);
    m_SSTab1->setCurrentIndex(InputTab);
    SSTab1_Click(InputTab);
    m_txtOut->setTabStopsFrom(font());
    m_picPage1->rows()->ArrangeInputFields(1);
    // The start-up texts are not edits: the session starts from them, unchanged.
    m_session->adopt(ProjectDocument{m_picPage1->inputs(), {}, {}, {}});
    m_txtOut->clearReport();
    resultChanged();
    targetChanged();
    // Typing can start at once.
    m_picPage1->rows()->textBox(InputField::ProjectName)->setFocus();
    setCaption(m_document->BaseCaption());
}

// ---- layout and pages

bool frmTessivaneMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void frmTessivaneMain::Form_Resize()
{
    const QSize client = m_client->size();
    MoveIfPositive(m_SSTab1, QRect(10, 10, client.width() - 20, client.height() - 20));

    const int strip = m_SSTab1->tabBar()->sizeHint().height();
    const QSize tab = m_SSTab1->size();
    const QRect page(10, strip + 10, tab.width() - 20, tab.height() - strip - 20);
    for (QWidget *widget :
         {static_cast<QWidget *>(m_picPage1), m_helpViewer->widget(),
          static_cast<QWidget *>(m_txtOut), static_cast<QWidget *>(m_storagePage)})
        MoveIfPositive(widget, page);

    m_picPage1->layoutFrames();
}

void frmTessivaneMain::SSTab1_Click(int index)
{
    if (index < InputTab || index > StorageTab)
        return;
    m_picPage1->setVisible(index == InputTab);
    m_txtOut->setVisible(index == OutputTab);
    m_helpViewer->widget()->setVisible(index == HelpTab);
    m_storagePage->setVisible(index == StorageTab);
}

// ---- inputs and the calculation

void frmTessivaneMain::inputChanged()
{
    if (m_showingDocument)
        return;
    const bool hadResult = ResultsValid();
    m_session->edit(m_picPage1->inputs());
    if (hadResult)
        m_txtOut->clearReport();
    resultChanged();
}

void frmTessivaneMain::ClearResults()
{
    m_session->clearResults();
    m_txtOut->clearReport();
    resultChanged();
}

void frmTessivaneMain::resultChanged()
{
    // A valid result is described afresh each time: it may be a new one.
    if (ResultsValid()) {
        const StorageSummary summary = m_session->storageSummary();
        m_storagePage->showSummary(summary, QString::fromStdString(summary.bedProblem));
    } else if (m_storagePage->hasSummary())
        m_storagePage->clear();
    showDesignFigures();
    m_menus->setResultCommandsEnabled(ResultsValid());
}

void frmTessivaneMain::cmdCalculate_Click()
{
    DesignSession::Questions questions;
    questions.decimalSeparator = decimalSeparator();
    questions.askYesNo = [this](const std::string &question) {
        return m_dialogs.askYesNo(QString::fromStdString(question));
    };

    const CalcOutcome outcome = m_session->calculate(questions);

    if (outcome.outputCleared)
        m_txtOut->clearReport();
    switch (outcome.status) {
    case CalcOutcome::Status::Done:
        m_txtOut->setReport(outcome.report());
        resultChanged();
        m_SSTab1->setCurrentIndex(OutputTab);
        break;
    case CalcOutcome::Status::Refused:
        if (QWidget *field = m_picPage1->rows()->controlFor(outcome.field)) {
            m_SSTab1->setCurrentIndex(InputTab);
            FocusWithCue(field);
        }
        m_dialogs.showError(QString::fromStdString(outcome.message));
        break;
    case CalcOutcome::Status::Declined:
        break;
    }
}

// ---- the design target

void frmTessivaneMain::targetChanged()
{
    m_storagePage->settingsBar()->showTarget(m_session->target());
    showDesignFigures();
}

void frmTessivaneMain::designSettingsEdited()
{
    DesignTarget target = m_session->target();
    m_storagePage->settingsBar()->applyTo(target);
    m_session->setTarget(target);
    showDesignFigures();
}

void frmTessivaneMain::showDesignFigures()
{
    std::vector<DesignFiguresText::FigureLine> lines;
    if (ResultsValid()) {
        // Without figures (a bed that cannot be described) the totals already say why.
        if (const Result<DesignFigures> figures = m_session->designFigures())
            lines = DesignFiguresText::figureLines(*figures);
    }
    m_storagePage->showFigures(std::move(lines));
}

void frmTessivaneMain::mnuDesign_SizeBed_Click()
{
    auto *dialog = new SizeBedDialog(*m_session, decimalSeparator(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &SizeBedDialog::targetEdited, this, &frmTessivaneMain::targetChanged);
    connect(dialog, &SizeBedDialog::layoutChosen, this, &frmTessivaneMain::useLayout);
    dialog->open();
}

void frmTessivaneMain::useLayout(int rows, int chambersPerRow)
{
    m_session->useLayout(rows, chambersPerRow);
    m_showingDocument = true;
    m_picPage1->setInputs(m_session->inputs());
    m_showingDocument = false;
    m_txtOut->clearReport();
    resultChanged();
    cmdCalculate_Click();
}

// ---- Edit menu

void frmTessivaneMain::mnuEdit_Click()
{
    m_menus->mnuEdit_Copy->menuAction()->setEnabled(ResultsValid());
}

void frmTessivaneMain::mnuEdit_Copy_Click()
{
    // The length and width exist for a method that sizes the system.
    m_menus->mnuEdit_Copy_Length->setEnabled(m_session->hasSystemDimensions());
    m_menus->mnuEdit_Copy_Width->setEnabled(m_session->hasSystemDimensions());
    m_menus->mnuEdit_Copy_StorageTable->setEnabled(m_storagePage->hasSummary());
}

void frmTessivaneMain::copyResultText(const std::string &text)
{
    // setText replaces everything on the clipboard with one plain-text entry.
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void frmTessivaneMain::mnuEdit_Copy_StageArea_Click()
{
    if (ResultsValid())
        copyResultText(m_session->stageAreaText());
}

void frmTessivaneMain::mnuEdit_Copy_Length_Click()
{
    if (ResultsValid())
        copyResultText(m_session->lengthText());
}

void frmTessivaneMain::mnuEdit_Copy_Width_Click()
{
    if (ResultsValid())
        copyResultText(m_session->widthText());
}

// ---- document

bool frmTessivaneMain::DataChanged() const
{
    return m_document->DataChanged();
}
QString frmTessivaneMain::CurrentFileName() const
{
    return m_document->CurrentFileName();
}
QString frmTessivaneMain::BaseCaption() const
{
    return m_document->BaseCaption();
}
bool frmTessivaneMain::ResultsValid() const
{
    return m_session->resultsValid();
}

bool frmTessivaneMain::openFile(const QString &path)
{
    return m_document->openFile(path);
}

bool frmTessivaneMain::openNativeFile(const QByteArray &nativePath)
{
    return m_document->openNativeFile(nativePath);
}

ProjectDocument frmTessivaneMain::currentDocument() const
{
    return m_session->document();
}

void frmTessivaneMain::showDocument(const ProjectDocument &document)
{
    m_showingDocument = true;
    m_picPage1->setInputs(document.inputs);
    m_showingDocument = false;
    m_session->adopt(document);
    if (ResultsValid())
        m_txtOut->setReport(m_session->report());
    else
        m_txtOut->clearReport();
    resultChanged();
    targetChanged();
}

void frmTessivaneMain::ClearData()
{
    m_showingDocument = true;
    m_picPage1->clearInputs();
    m_showingDocument = false;
    m_session->clear();
    m_txtOut->clearReport();
    resultChanged();
    targetChanged();
    m_document->resetToUntitled();
}

void frmTessivaneMain::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void frmTessivaneMain::mnuFile_Click()
{
    m_menus->setResultCommandsEnabled(ResultsValid());
}

ReportContent frmTessivaneMain::reportContent() const
{
    ReportContent content;
    content.programTitle = QStringLiteral("Tessivane " TESSIVANE_VERSION);
    content.projectName = QString::fromStdString(m_picPage1->inputs().projectName);
    content.date = QDate::currentDate();
    content.fileName = CurrentFileName();
    content.reportText = QString::fromStdString(m_txtOut->report());
    content.reportFont = m_txtOut->font();
    // The Output tab's stops are screen pixels; paper needs them as lengths.
    const qreal pointsPerPixel = 72.0 / m_txtOut->logicalDpiX();
    for (qreal stop : m_txtOut->tabStopPositions())
        content.tabStops.append(stop * pointsPerPixel);
    content.summary = m_storagePage->summary();
    content.bedProblem = m_storagePage->bedProblem();
    content.figures = m_storagePage->figures();
    return content;
}

void frmTessivaneMain::mnuFile_Exit_Click()
{
    close();
}

void frmTessivaneMain::closeEvent(QCloseEvent *event)
{
    // Exit and the window's own close button ask the same question; Cancel, and a Yes
    // whose save failed or was cancelled, keep the window open so the edits are not lost.
    if (m_document->maybeSave())
        event->accept();
    else
        event->ignore();
}

// ---- Help

void frmTessivaneMain::cmd_ImageSize(int index)
{
    m_helpImages->cmd_ImageSize(index);
}

void frmTessivaneMain::ShowFile(const QString &fileName)
{
    m_opener->ShowFile(fileName);
}

void frmTessivaneMain::ShowWebPage(const QString &address)
{
    m_opener->ShowWebPage(address);
}

void frmTessivaneMain::mnuHelp_About_Click()
{
    frmAboutTessivane::showModal(this, m_appDir);
}

void frmTessivaneMain::mnuHelp_Website_Click()
{
    ShowWebPage(HelpResources::WebSiteAddress);
}

void frmTessivaneMain::mnuHelp_Manual_Click()
{
    ShowFile(QDir(m_appDir).filePath(HelpResources::DesignManualFileName));
}

void frmTessivaneMain::cmdHelp_Click()
{
    ShowFile(QDir(m_appDir).filePath(HelpResources::TechnicalMemoFileName));
}
