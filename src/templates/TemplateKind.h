#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/actions/ActionCode.h"
#include "app/desk/ViewKind.h"
#include "app/session/Permissions.h"
#include "model/RateTemplate.h"
#include "model/ReferenceData.h"
#include "model/ReferenceQueries.h"

// The two kinds of rate template. Fee-rate and margin-rate templates work
// the same way: the tree, the positional rate page, the rate dialog, adding,
// renaming, deleting, assignment and the CSV files. Everything in which they
// differ (record layout, commands, captions, texts, permission) is data of
// the kind, so that one engine serves both.
namespace korvant {

enum class RateKind { Fee, Margin };

// One rate value of a row: its column caption in the rate list, its label in
// the rate dialog, its piece of the CSV header and the decimals it is
// exported with.
struct RateValueSpec {
    const char* column;
    const char* label;
    const char* csvHeader;
    int csvDecimals;
};

// How a refusal of a template change is written in its failure row.
enum class RefusalRow {
    ServerText,           // the server's text alone
    Failure,              // the failure detail alone
    FailureAndServerText  // the failure detail followed by the server's text
};

// Texts of one of the three template changes (status rows and messages);
// "%s" stands for the template name.
struct TemplateChangeTexts {
    const char* startTitle;
    const char* successTitle;
    const char* failureTitle;
    const char* startFormat;    // "添加 %s"
    const char* successFormat;  // "添加 %s 成功！"
    const char* failureFormat;  // not acknowledged, or the dispatch failed
    const char* lostFormat;     // nothing received
    RefusalRow refusalRow;
    const char* refusalMessage;  // shown on a refusal; null: the server's text
    const char* notAcknowledged;
};

// Commands and sizes on the wire.
struct TemplateWire {
    uint8_t listCommand;
    uint8_t pageCommand;
    uint8_t setCommand;
    uint8_t addCommand;
    uint8_t renameCommand;
    uint8_t deleteCommand;
    uint8_t assignCommand;
    int rowSize;         // bytes of one rate row in a page answer
    int setRequestSize;  // bytes of the set-rates request
};

// The rate list and the rate dialog.
struct TemplateRateTexts {
    const char* dialogCaption;   // "手续费率" / "保证金率"
    const char* discountColumn;  // "平今优惠方式" (fee only)
    const char* relativeText;    // the two texts of the collection mode
    const char* absoluteText;
    const char* dialogNote;
    const char* rowMenuText;  // the rate list's pop-up: "修改手续费" / "修改保证金"
};

// Permission checks.
struct TemplateGates {
    GatedOperation modifyOperation;
    GatedOperation importOperation;
    GatedOperation exportOperation;
};

struct TemplateActions {
    ActionCode nodeSelected;
    ActionCode modifyRates;
    ActionCode addTemplate;
    ActionCode renameTemplate;
    ActionCode deleteTemplate;
    ActionCode exportTemplate;
    ActionCode reloadAfterImport;
    ActionCode loadTemplate;
};

// Changes of templates.
struct TemplateChanges {
    TemplateChangeTexts add;
    TemplateChangeTexts rename;
    TemplateChangeTexts remove;
    const char* deleteQuestion;  // "删除该手续费率模板？"
};

// Assignment to a sub-account.
struct TemplateAssignTexts {
    const char* assignCaption;  // "加载手续费率"
    const char* assignLabel;    // "可选手续费率模板:"
    const char* assignTitle;    // "加载手续费率模板"
};

// CSV files.
struct TemplateCsvTexts {
    const char* exportCaption;  // "导出手续费"
    const char* importCaption;  // "导入手续费"
    const char* importFilter;   // "手续费导出文件(*.csv)"
    const char* exportDone;     // "手续费导出成功。 "
    const char* exportFailed;
    const char* importQuestion;  // "导入手续费模版 %s ？"
};

// Each kind is written out whole, part by part, so that no text of one
// kind can stand in for a text forgotten in the other.
struct TemplateKind {
    RateKind id;
    ViewKind view;
    ReferenceList list;
    const char* word;  // "手续费" or "保证金", the CSV file prefix
    TemplateWire wire;
    // The values of a row, in wire order (6 fee values, 12 margin values).
    std::vector<RateValueSpec> values;
    bool hasDiscount;  // fee rows carry the close-today discount
    TemplateRateTexts rates;
    TemplateGates gates;
    TemplateActions actions;
    TemplateChanges changes;
    TemplateAssignTexts assign;
    TemplateCsvTexts csv;

    // Number of fields of a CSV line: exchange, contract, the values, the
    // discount (fee only) and the collection mode.
    int csvFieldCount() const {
        return 2 + static_cast<int>(values.size()) + (hasDiscount ? 2 : 1);
    }
    // Columns of the rate list: "市场", "合约", the values, the modes.
    std::vector<std::string> columns() const;
};

const TemplateKind& feeKind();
const TemplateKind& marginKind();
const TemplateKind& templateKind(RateKind kind);

// The cached templates of a kind, in cache order.
std::vector<RateTemplate> cachedTemplates(const ReferenceData& reference, const TemplateKind& kind);
// The cached template of an id, or none (an id of 0 never names one).
const RateTemplate* cachedTemplate(const ReferenceData& reference, const TemplateKind& kind,
                                   int32_t id);

}  // namespace korvant
