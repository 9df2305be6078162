// The browser page's way into the engine: the field table and the design session (the
// calculation, the clipboard texts, the storage summary and the project file in memory). The page
// keeps no rule, text or check of its own; everything it shows about the calculation comes from
// here.
#include "CalcMethod.h"
#include "DesignFiguresText.h"
#include "DesignSession.h"
#include "DesignTarget.h"
#include "DocumentMessages.h"
#include "ExportFormats.h"
#include "InputFields.h"
#include "LineBreaks.h"
#include "NiceScale.h"
#include "ProjectFileIO.h"
#include "StorageSummary.h"
#include "StorageSummaryText.h"
#include "TessivaneVersion.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <optional>

using emscripten::val;

namespace {

// Texts go to JavaScript as std::string, which embind passes as UTF-8 (a plain char pointer
// would be taken as Latin-1).

// Where --embed-file puts the chamber data files in the module's file system.
constexpr const char *DataDir = "/data";

template <typename Items> val arrayOf(const Items &items)
{
    val array = val::array();
    for (const auto &item : items)
        array.call<void>("push", val(item));
    return array;
}

const char *kindName(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Text:
        return "text";
    case FieldKind::ChamberType:
        return "chamberType";
    case FieldKind::Count:
        return "count";
    case FieldKind::Number:
        return "number";
    case FieldKind::CheckBox:
        return "checkBox";
    }
    return "text";
}

std::string objectNameOf(InputField id)
{
    return id == InputField::None ? std::string() : inputField(id).objectName;
}

// The form's values by control name ({method, txtProjectName: "...", cmbChamberType: 0, ...}).
CalcInputs inputsFrom(const val &form)
{
    CalcInputs inputs;
    inputs.method = form["method"].as<int>();
    for (const InputFieldInfo &field : InputFields) {
        const val value = form[field.objectName];
        if (value.isUndefined())
            continue;
        if (field.text)
            inputs.*field.text = value.as<std::string>();
        else if (field.choice)
            inputs.*field.choice = value.as<int>();
    }
    return inputs;
}

val formOf(const CalcInputs &inputs)
{
    val form = val::object();
    form.set("method", inputs.method);
    for (const InputFieldInfo &field : InputFields) {
        if (field.text)
            form.set(std::string(field.objectName), inputs.*field.text);
        else if (field.choice)
            form.set(std::string(field.objectName), inputs.*field.choice);
    }
    return form;
}

val lineObjects(const std::vector<StorageSummaryText::Line> &lines)
{
    val array = val::array();
    for (const StorageSummaryText::Line &line : lines) {
        val item = val::object();
        item.set("text", line.text);
        item.set("warning", line.warning);
        array.call<void>("push", item);
    }
    return array;
}

// The Storage tab's texts and the numbers its chart draws.
val storageObject(const StorageSummary &summary, const std::string &bedProblem)
{
    val captions = val::array();
    for (const std::string &caption : StorageSummaryText::columnCaptions())
        captions.call<void>("push", StorageSummaryText::twoLineCaption(caption));
    val cells = val::array();
    val stage = val::array(), area = val::array(), cumulative = val::array();
    for (std::size_t row = 0; row < summary.rows.size(); ++row) {
        cells.call<void>("push", arrayOf(StorageSummaryText::rowCells(summary, row)));
        stage.call<void>("push", summary.rows[row].stage);
        area.call<void>("push", summary.rows[row].area);
        cumulative.call<void>("push", summary.rows[row].cumulative);
    }
    val result = val::object();
    result.set("captions", captions);
    result.set("rows", cells);
    result.set("bedKnown", summary.bedKnown);
    result.set("totals", lineObjects(StorageSummaryText::totalLines(summary, bedProblem)));
    const StorageSummaryText::ChartTexts texts;
    val chart = val::object();
    chart.set("stageTitle", texts.stageTitle);
    chart.set("areaTitle", texts.areaTitle);
    chart.set("storageTitle", texts.storageTitle);
    chart.set("areaLegend", texts.areaLegend);
    chart.set("storageLegend", texts.storageLegend);
    result.set("chartTexts", chart);
    result.set("stage", stage);
    result.set("area", area);
    result.set("cumulative", cumulative);
    return result;
}

// The design target by the project file's keys ({RequiredStorage: "4000", ...}).
val targetObject(const DesignTarget &target)
{
    val object = val::object();
    for (const TargetSetting &setting : TargetSettings)
        object.set(std::string(setting.fileKey), target.*setting.text);
    return object;
}

DesignTarget targetFrom(const val &object)
{
    DesignTarget target;
    for (const TargetSetting &setting : TargetSettings) {
        const val text = object[setting.fileKey];
        if (!text.isUndefined())
            target.*setting.text = text.as<std::string>();
    }
    return target;
}

val figureLineObjects(const std::vector<DesignFiguresText::FigureLine> &lines)
{
    val array = val::array();
    for (const DesignFiguresText::FigureLine &line : lines) {
        val item = val::object();
        item.set("label", line.label);
        item.set("value", line.value);
        array.call<void>("push", item);
    }
    return array;
}

char separatorOf(const std::string &decimalSeparator)
{
    return decimalSeparator.size() == 1 ? decimalSeparator[0] : '.';
}

} // namespace

// The field table and chamber list, as the window builds its form from them.
val fieldTable()
{
    val fields = val::array();
    for (const InputFieldInfo &field : InputFields) {
        val item = val::object();
        item.set("name", std::string(field.objectName));
        item.set("labelName", std::string(field.labelName));
        item.set("kind", std::string(kindName(field.kind)));
        item.set("caption", std::string(field.caption));
        item.set("defaultText", std::string(field.defaultText));
        item.set("method1", field.usedBy(1));
        item.set("method2", field.usedBy(2));
        fields.call<void>("push", item);
    }
    return fields;
}

// The calculation methods in option order, as the window's option buttons show them.
val methods()
{
    val list = val::array();
    for (const CalcMethod *method : CalcMethods) {
        val item = val::object();
        item.set("number", method->number);
        item.set("caption", std::string(method->caption));
        list.call<void>("push", item);
    }
    return list;
}

val chamberModels()
{
    val models = val::array();
    for (const ChamberModel &model : ChamberModels)
        models.call<void>("push", std::string(model.listText));
    return models;
}

// The exports offered as files, in list order: the page's download buttons.
val exportFormats()
{
    val list = val::array();
    for (const ExportFormat &format : ExportFormats) {
        if (!format.offeredAsFile)
            continue;
        val item = val::object();
        item.set("kind", static_cast<int>(format.kind));
        item.set("id", std::string("mnuFile_") + format.actionName);
        item.set("title", std::string(format.title));
        item.set("nameEnd", std::string(format.nameEnd));
        item.set("takesNodeName", format.takesNodeChoices);
        list.call<void>("push", item);
    }
    return list;
}

// The document commands' texts, as the window words them.
val documentMessages()
{
    val texts = val::object();
    texts.set("unsavedQuestion", std::string(DocumentMessages::UnsavedQuestion));
    return texts;
}

std::string saveFailure(const std::string &fileName, const std::string &reason)
{
    return DocumentMessages::saveFailure(DocumentMessages::SaveFailed, fileName, reason);
}

std::string lineBreak()
{
    return LineBreak;
}

std::string programVersion()
{
    return TESSIVANE_VERSION;
}

// A chart axis: its ticks and their labels.
val niceScale(double low, double high, int maxTicks)
{
    const NiceScale scale = NiceScale::forRange(low, high, maxTicks);
    std::vector<std::string> labels;
    for (const double tick : scale.ticks())
        labels.push_back(scale.tickText(tick));
    val axis = val::object();
    axis.set("ticks", arrayOf(scale.ticks()));
    axis.set("labels", arrayOf(labels));
    return axis;
}

// The page's side of the design session: the form's values in, plain objects out.
class PageSession
{
public:
    PageSession() : m_session(DataDir) {}

    // The form as the page opens with it: the start-up texts are not edits.
    void start(const val &form) { m_session.adopt(ProjectDocument{inputsFrom(form), {}, {}, {}}); }
    // The user changed the form: a present result no longer belongs to it.
    void edit(const val &form) { m_session.edit(inputsFrom(form)); }
    // Clear Data: the session's part (the page empties its form itself).
    void clear() { m_session.clear(); }
    bool changed() const { return m_session.changed(); }

    // One Calculate with the questions answered so far. A question beyond them is answered No
    // and handed back, so the page can ask it and run again with the answer appended.
    val calculate(const val &answers, const std::string &decimalSeparator)
    {
        const std::vector<bool> given = emscripten::vecFromJSArray<bool>(answers);
        std::size_t asked = 0;
        std::optional<std::string> open;
        DesignSession::Questions questions;
        questions.decimalSeparator = separatorOf(decimalSeparator);
        questions.askYesNo = [&](const std::string &question) {
            if (asked < given.size())
                return bool(given[asked++]);
            open = question;
            return false;
        };
        const CalcOutcome outcome = m_session.calculate(questions);

        val result = val::object();
        const char *status = "done";
        if (outcome.status == CalcOutcome::Status::Refused)
            status = "refused";
        else if (outcome.status == CalcOutcome::Status::Declined)
            status = open ? "question" : "declined";
        result.set("status", status);
        result.set("field", objectNameOf(outcome.field));
        result.set("message", outcome.message);
        result.set("question", open.value_or(std::string()));
        result.set("outputCleared", outcome.outputCleared);
        result.set("report", m_session.report());
        return result;
    }

    // ---- the design target, its sizing and figures

    val target() const { return targetObject(m_session.target()); }
    void setTarget(const val &settings) { m_session.setTarget(targetFrom(settings)); }

    // Each setting that cannot be read, by key, with its message: read on its own, so a field
    // shows its own problem whatever the others hold.
    val targetProblems() const
    {
        val problems = val::object();
        for (const TargetSetting &setting : TargetSettings) {
            const std::string problem = settingProblem(setting, m_session.target().*setting.text);
            if (!problem.empty())
                problems.set(std::string(setting.fileKey), problem);
        }
        return problems;
    }

    // The sizing table for the target: the headline (or why there is no table), the captions
    // and each layout's cells with its rows and chambers per row; field or setting names what
    // is at fault when it cannot size. A large target without limits lists thousands of
    // layouts: the panel shows the first ones (the fewest chambers) and how many more there
    // are, so each keystroke stays quick.
    val sizing(const std::string &decimalSeparator) const
    {
        constexpr std::size_t ShownLayouts = 300;
        const DesignSession::Sizing sized = m_session.sizeBed(separatorOf(decimalSeparator));
        const auto &all = sized.answer.layouts;
        val layouts = val::array();
        for (std::size_t i = 0; i < all.size() && i < ShownLayouts; ++i) {
            const SizedLayout &layout = all[i];
            val item = val::object();
            item.set("rows", layout.rows);
            item.set("chambersPerRow", layout.chambersPerRow);
            item.set("cells", arrayOf(DesignFiguresText::layoutCells(layout)));
            layouts.call<void>("push", item);
        }
        val result = val::object();
        result.set("sized", sized.sized());
        result.set("headline", DesignFiguresText::sizingHeadline(sized));
        result.set("field", objectNameOf(sized.field));
        result.set("setting", std::string(sized.setting ? sized.setting->fileKey : ""));
        result.set("captions", arrayOf(DesignFiguresText::layoutCaptions()));
        result.set("layouts", layouts);
        result.set("more", int(all.size() - std::min(all.size(), ShownLayouts)));
        return result;
    }

    // Use This Layout: the rectangular array with these rows and chambers per row, an edit of
    // the form; the form as it now stands.
    val useLayout(int rows, int chambersPerRow)
    {
        m_session.useLayout(rows, chambersPerRow);
        return formOf(m_session.inputs());
    }

    // The present result's quantities, storage below the elevation and drawdown as label/value
    // lines; none without a result whose bed is known.
    val figureLines()
    {
        const Result<DesignFigures> figures = m_session.designFigures();
        return figureLineObjects(figures ? DesignFiguresText::figureLines(*figures)
                                         : std::vector<DesignFiguresText::FigureLine>{});
    }

    void ClearResults() { m_session.clearResults(); }
    bool resultsValid() const { return m_session.resultsValid(); }
    bool hasSystemDimensions() const { return m_session.hasSystemDimensions(); }
    const std::string &report() const { return m_session.report(); }

    std::string stageAreaText() const { return m_session.stageAreaText(); }
    std::string lengthText() const { return m_session.lengthText(); }
    std::string widthText() const { return m_session.widthText(); }
    std::string storageTableText() { return m_session.storageTableText(); }

    // The Storage tab: captions, rows, totals and the numbers the chart draws.
    val storage()
    {
        const StorageSummary summary = m_session.storageSummary();
        return storageObject(summary, summary.bedKnown ? std::string() : summary.bedProblem);
    }

    // An export's text for a download named fileName, or the window's error text.
    val exportFile(int kind, const std::string &nodeName, const std::string &fileName)
    {
        const ExportKind exportKind = static_cast<ExportKind>(kind);
        SwmmNodeChoices choices;
        choices.nodeName = nodeName;
        const Result<std::string> text = m_session.exportText(exportKind, choices);
        val result = val::object();
        result.set("ok", text.ok());
        result.set("text", text ? *text : std::string());
        result.set("message", text ? std::string()
                                   : std::string(exportFormat(exportKind).failure) + LineBreak +
                                         fileName + LineBreak + text.reason());
        return result;
    }

    // The bytes File > Save writes, or why there are none. The page hands them over as a
    // download and then says so with savedAs().
    val saveProject() const
    {
        const Result<std::string> encoded = m_session.projectBytes();
        const std::string bytes = encoded ? *encoded : std::string();
        val result = val::object();
        result.set("ok", encoded.ok());
        result.set("error", encoded.reason());
        result.set("bytes",
                   val::global("Uint8Array")
                       .new_(emscripten::typed_memory_view(
                           bytes.size(), reinterpret_cast<const unsigned char *>(bytes.data())))
                       .call<val>("slice"));
        return result;
    }
    void saved() { m_session.markSaved(); }

    // File > Open on the bytes of a chosen file; a refused file leaves the session alone.
    val openProject(const std::string &fileName, const std::string &bytes)
    {
        const Result<ProjectDocument> read = DesignSession::readBytes(bytes);
        val result = val::object();
        result.set("ok", read.ok());
        if (!read.ok()) {
            result.set("message", openFailureMessage(read, fileName));
            return result;
        }
        m_session.adopt(*read);
        result.set("form", formOf(read->inputs));
        result.set("target", targetObject(read->target));
        result.set("resultsValid", m_session.resultsValid());
        result.set("report", m_session.report());
        return result;
    }

    // A file too large to be read at all is refused before its bytes are taken.
    val refusalForSize(const std::string &fileName, double size) const
    {
        const Result<void> allowed = checkProjectFileSize(std::uintmax_t(size));
        return val(allowed ? std::string() : openFailureMessage(allowed.failure(), fileName));
    }

private:
    DesignSession m_session;
};

EMSCRIPTEN_BINDINGS(tessivane_page)
{
    emscripten::function("fieldTable", &fieldTable);
    emscripten::function("methods", &methods);
    emscripten::function("chamberModels", &chamberModels);
    emscripten::function("programVersion", &programVersion);
    emscripten::function("lineBreak", &lineBreak);
    emscripten::function("documentMessages", &documentMessages);
    emscripten::function("exportFormats", &exportFormats);
    emscripten::function("saveFailure", &saveFailure);
    emscripten::function("niceScale", &niceScale);
    emscripten::class_<PageSession>("PageSession")
        .constructor<>()
        .function("start", &PageSession::start)
        .function("edit", &PageSession::edit)
        .function("clear", &PageSession::clear)
        .function("changed", &PageSession::changed)
        .function("calculate", &PageSession::calculate)
        .function("target", &PageSession::target)
        .function("setTarget", &PageSession::setTarget)
        .function("targetProblems", &PageSession::targetProblems)
        .function("sizing", &PageSession::sizing)
        .function("useLayout", &PageSession::useLayout)
        .function("figureLines", &PageSession::figureLines)
        .function("clearResults", &PageSession::ClearResults)
        .function("resultsValid", &PageSession::resultsValid)
        .function("hasSystemDimensions", &PageSession::hasSystemDimensions)
        .function("report", &PageSession::report)
        .function("stageAreaText", &PageSession::stageAreaText)
        .function("lengthText", &PageSession::lengthText)
        .function("widthText", &PageSession::widthText)
        .function("storage", &PageSession::storage)
        .function("storageTableText", &PageSession::storageTableText)
        .function("saveProject", &PageSession::saveProject)
        .function("saved", &PageSession::saved)
        .function("exportFile", &PageSession::exportFile)
        .function("openProject", &PageSession::openProject)
        .function("refusalForSize", &PageSession::refusalForSize);
}
