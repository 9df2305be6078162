// The browser page's way into the engine: the field table, one calculation pipeline, the
// clipboard texts, the storage summary and the project file in memory. The page keeps no rule,
// text or check of its own; everything it shows about the calculation comes from here.
#include "Calculator.h"
#include "ClipboardText.h"
#include "InputFields.h"
#include "NiceScale.h"
#include "ProjectFileIO.h"
#include "StorageSummary.h"
#include "StorageSummaryText.h"
#include "TessivaneVersion.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

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

val chamberModels()
{
    val models = val::array();
    for (const ChamberModel &model : ChamberModels)
        models.call<void>("push", std::string(model.listText));
    return models;
}

std::string programVersion()
{
    return TESSIVANE_VERSION;
}

val niceScale(double low, double high, int maxTicks)
{
    return arrayOf(NiceScale::forRange(low, high, maxTicks).ticks());
}

// The window's result state with the report and the record that belong to it.
class PageSession
{
public:
    // One Calculate with the questions answered so far. A question beyond them is answered No
    // and handed back, so the page can ask it and run again with the answer appended.
    val calculate(const val &form, const val &answers, const std::string &decimalSeparator)
    {
        const std::vector<bool> given = emscripten::vecFromJSArray<bool>(answers);
        std::size_t asked = 0;
        std::optional<std::string> open;
        CalcEnvironment environment;
        environment.dataDir = DataDir;
        environment.decimalSeparator = decimalSeparator.size() == 1 ? decimalSeparator[0] : '.';
        environment.askYesNo = [&](const std::string &question) {
            if (asked < given.size())
                return bool(given[asked++]);
            open = question;
            return false;
        };
        const CalcOutcome outcome = ::calculate(inputsFrom(form), environment, m_state);
        if (outcome.record) {
            m_report = outcome.record->report;
            m_record = outcome;
        } else if (outcome.outputCleared) {
            // As in the window: the report is emptied before the checks, while the result
            // state is left as it was.
            m_report.clear();
        }

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
        result.set("report", m_report);
        return result;
    }

    void ClearResults()
    {
        m_state.ClearResults();
        m_report.clear();
        m_record.reset();
    }

    bool resultsValid() const { return m_state.ResultsValid; }
    const std::string &report() const { return m_report; }

    std::string stageAreaText() const { return StageAreaClipboardText(m_state); }
    std::string lengthText() const { return LengthClipboardText(m_state); }
    std::string widthText() const { return WidthClipboardText(m_state); }

    // The Storage tab: captions, rows, totals and the numbers the chart draws.
    val storage(const val &form)
    {
        const StorageSummary summary = storageSummary(form);
        const std::string &why = m_record->record ? summary.bedProblem : m_record->message;
        return storageObject(summary, summary.bedKnown ? std::string() : why);
    }

    // Copy to Clipboard > Storage Table: the whole table with its header row.
    std::string storageTableText(const val &form)
    {
        return m_state.ResultsValid ? StorageSummaryText::tableText(storageSummary(form))
                                    : std::string();
    }

    // The bytes File > Save writes for this form and the present result, or why there are none.
    val saveProject(const val &form) const
    {
        ProjectDocument document;
        document.inputs = inputsFrom(form);
        document.results = m_state;
        document.reportText = m_state.ResultsValid ? m_report : std::string();
        const Result<std::string> encoded = projectFileBytes(document);
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

    // File > Open on the bytes of a chosen file; a refused file leaves the present result alone.
    val openProject(const std::string &fileName, const std::string &bytes)
    {
        const Result<ProjectDocument> read = readProjectBytes(bytes);
        if (read.ok())
            ClearResults();
        return opened(fileName, read);
    }

    // A file too large to be read at all is refused before its bytes are taken.
    val refusalForSize(const std::string &fileName, double size) const
    {
        const Result<void> allowed = checkProjectFileSize(std::uintmax_t(size));
        return val(allowed ? std::string() : openFailureMessage(allowed.failure(), fileName));
    }

private:
    StorageSummary storageSummary(const val &form)
    {
        if (!m_record)
            m_record = recordOfResult(inputsFrom(form), DataDir, m_state, m_report);
        return m_record->record ? summarizeStorage(*m_record->record)
                                : summarizeStorage(m_state, nullptr);
    }

    val opened(const std::string &fileName, const Result<ProjectDocument> &read)
    {
        val result = val::object();
        result.set("ok", read.ok());
        if (!read.ok()) {
            result.set("message", openFailureMessage(read, fileName));
            return result;
        }
        m_state = read->results;
        m_report = m_state.ResultsValid ? read->reportText : std::string();
        result.set("form", formOf(read->inputs));
        result.set("resultsValid", m_state.ResultsValid);
        result.set("report", m_report);
        return result;
    }

    ResultState m_state;
    std::string m_report;
    std::optional<CalcOutcome> m_record;
};

EMSCRIPTEN_BINDINGS(tessivane_page)
{
    emscripten::function("fieldTable", &fieldTable);
    emscripten::function("chamberModels", &chamberModels);
    emscripten::function("programVersion", &programVersion);
    emscripten::function("niceScale", &niceScale);
    emscripten::class_<PageSession>("PageSession")
        .constructor<>()
        .function("calculate", &PageSession::calculate)
        .function("clearResults", &PageSession::ClearResults)
        .function("resultsValid", &PageSession::resultsValid)
        .function("report", &PageSession::report)
        .function("stageAreaText", &PageSession::stageAreaText)
        .function("lengthText", &PageSession::lengthText)
        .function("widthText", &PageSession::widthText)
        .function("storage", &PageSession::storage)
        .function("storageTableText", &PageSession::storageTableText)
        .function("saveProject", &PageSession::saveProject)
        .function("openProject", &PageSession::openProject)
        .function("refusalForSize", &PageSession::refusalForSize);
}
