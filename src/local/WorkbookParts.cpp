#include "local/WorkbookParts.h"

#include "local/XmlText.h"

namespace korvant {

std::string_view cellCut(std::string_view text) {
    if (text.size() <= MaxCellBytes) return text;
    std::size_t end = MaxCellBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

std::string columnName(std::size_t column) {
    std::string name;
    for (std::size_t n = column + 1; n > 0; n = (n - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    return name;
}

namespace {

constexpr const char* Declaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr const char* MainSpace = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* RelationSpace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// The formats every reader knows by number; any other gets one from 164.
int builtInFormat(const std::string& format) {
    if (format == "0") return 1;
    if (format == "0.00") return 2;
    if (format == "@") return 49;
    return 0;
}

}  // namespace

std::string workbookStyles(const std::vector<std::string>& numberFormats) {
    std::string xml = Declaration;
    xml += std::string("<styleSheet xmlns=\"") + MainSpace + "\">";
    std::vector<int> ids;
    std::string custom;
    int next = 164, customCount = 0;
    for (const std::string& format : numberFormats) {
        int id = builtInFormat(format);
        if (id == 0) {
            id = next++;
            ++customCount;
            custom += "<numFmt numFmtId=\"" + std::to_string(id) + "\" formatCode=\"";
            appendXmlText(custom, format);
            custom += "\"/>";
        }
        ids.push_back(id);
    }
    if (customCount > 0)
        xml += "<numFmts count=\"" + std::to_string(customCount) + "\">" + custom + "</numFmts>";
    xml +=
        "<fonts count=\"2\"><font><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/>"
        "</font><font><b/><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/></font>"
        "</fonts><fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill><fill>"
        "<patternFill patternType=\"gray125\"/></fill></fills><borders count=\"1\"><border>"
        "<left/><right/><top/><bottom/><diagonal/></border></borders><cellStyleXfs count=\"1\">"
        "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>";
    xml += "<cellXfs count=\"" + std::to_string(FirstFormatStyle + ids.size()) + "\">";
    xml += "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>";
    xml +=
        "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyFont=\"1\"/>";
    for (const int id : ids)
        xml += "<xf numFmtId=\"" + std::to_string(id) +
               "\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"/>";
    xml +=
        "</cellXfs><cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/>"
        "</cellStyles></styleSheet>";
    return xml;
}

std::string workbookXml(const std::vector<std::string>& sheetNames) {
    std::string xml = Declaration;
    xml += std::string("<workbook xmlns=\"") + MainSpace + "\" xmlns:r=\"" + RelationSpace +
           "\"><bookViews><workbookView activeTab=\"0\"/></bookViews><sheets>";
    for (std::size_t i = 0; i < sheetNames.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        xml += "<sheet name=\"";
        appendXmlText(xml, sheetNames[i]);
        xml += "\" sheetId=\"" + number + "\" r:id=\"rId" + number + "\"/>";
    }
    xml += "</sheets></workbook>";
    return xml;
}

std::string workbookRelationships(std::size_t sheets) {
    std::string xml = Declaration;
    xml += "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    for (std::size_t i = 1; i <= sheets; ++i)
        xml += "<Relationship Id=\"rId" + std::to_string(i) + "\" Type=\"" + RelationSpace +
               "/worksheet\" Target=\"worksheets/sheet" + std::to_string(i) + ".xml\"/>";
    xml += "<Relationship Id=\"rId" + std::to_string(sheets + 1) + "\" Type=\"" + RelationSpace +
           "/styles\" Target=\"styles.xml\"/></Relationships>";
    return xml;
}

std::string packageRelationships() {
    return std::string(Declaration) +
           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rId1\" Type=\"" +
           RelationSpace + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
}

std::string contentTypes(std::size_t sheets) {
    constexpr const char* Sheet = "application/vnd.openxmlformats-officedocument.spreadsheetml";
    std::string xml = Declaration;
    xml +=
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
    xml += std::string("<Override PartName=\"/xl/workbook.xml\" ContentType=\"") + Sheet +
           ".sheet.main+xml\"/>";
    xml += std::string("<Override PartName=\"/xl/styles.xml\" ContentType=\"") + Sheet +
           ".styles+xml\"/>";
    for (std::size_t i = 1; i <= sheets; ++i)
        xml += "<Override PartName=\"/xl/worksheets/sheet" + std::to_string(i) +
               ".xml\" ContentType=\"" + Sheet + ".worksheet+xml\"/>";
    xml += "</Types>";
    return xml;
}

}  // namespace korvant
