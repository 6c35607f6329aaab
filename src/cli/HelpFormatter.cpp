#include "cli/HelpFormatter.h"

#include <algorithm>
#include <memory>
#include <sstream>

namespace korvant::cli {
namespace {

// The pieces a line may break between: an ASCII run, or one character of
// two columns (Chinese), glued to the piece before it unless a blank
// stood between them.
struct Piece {
    std::string text;
    std::size_t width = 0;
    bool blankBefore = false;
    bool noBreakBefore = false;  // closing punctuation stays on its line
};

// With `whole`, each word is one piece (a synopsis: "[--name 文本]").
// A quoted text of the system ("导出") is never broken.
std::vector<Piece> piecesOf(const std::vector<std::string>& words, bool whole) {
    std::vector<Piece> pieces;
    bool quoted = false;
    for (const std::string& word : words) {
        if (whole) {
            pieces.push_back({word, displayWidth(word), true, false});
            continue;
        }
        bool first = true;
        for (std::size_t i = 0; i < word.size();) {
            const auto byte = static_cast<unsigned char>(word[i]);
            Piece piece;
            piece.blankBefore = first;
            if (byte < 0x80) {
                std::size_t end = i;
                while (end < word.size() && static_cast<unsigned char>(word[end]) < 0x80) ++end;
                piece.text = word.substr(i, end - i);
                piece.width = piece.text.size();
                piece.noBreakBefore = !first || quoted;
                if (std::count(piece.text.begin(), piece.text.end(), '"') % 2 == 1)
                    quoted = !quoted;
                i = end;
            } else {
                std::size_t end = i + 1;
                while (end < word.size() && (static_cast<unsigned char>(word[end]) & 0xC0) == 0x80)
                    ++end;
                piece.text = word.substr(i, end - i);
                piece.width = 2;
                // "，。：；、）" and the like: U+3000.. and U+FF00.. punctuation.
                piece.noBreakBefore = quoted || piece.text.rfind("\xE3\x80", 0) == 0 ||
                                      piece.text.rfind("\xEF\xBC", 0) == 0;
                i = end;
            }
            first = false;
            pieces.push_back(std::move(piece));
        }
    }
    return pieces;
}

}  // namespace

std::string valueName(const CLI::Option& option) {
    std::string type = option.get_type_name();
    if (type.empty()) return {};  // a flag
    const std::string name = option.get_name();
    // CLI11 adds what it checks ("INT:INT in [1 - 9]", "TEXT:{a,b}").
    for (const char* plain : {"INT:", "TEXT:", "FLOAT:", "UINT:"})
        if (type.rfind(plain, 0) == 0) type = type.substr(0, type.find(':'));
    const bool number = type == "INT" || type == "UINT";
    if (name == "--group" || name == "--parent" || name == "--new-group" || name == "--account-id")
        return "ID";
    if (number &&
        (name == "--date" || name == "--match-date" || name == "--from" || name == "--to"))
        return "YYYYMMDD";
    if (number) return "N";
    if (type == "TEXT") return "文本";
    if (type == "FLOAT") return "数值";
    return type;
}

std::size_t displayWidth(const std::string& text) {
    std::size_t width = 0;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            ++width;
        else if ((byte & 0xC0) == 0xC0)
            width += 2;  // the lead byte of a character; its other bytes count nothing
    }
    return width;
}

void appendWrapped(std::string& text, const std::vector<std::string>& words, std::size_t indent,
                   bool whole) {
    const std::size_t lineStart = text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1;
    std::size_t column = displayWidth(text.substr(lineStart));
    const std::vector<Piece> pieces = piecesOf(words, whole);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& piece = pieces[i];
        // What must go on the same line: this piece and the ones glued to it
        // that may not start a line.
        std::size_t width = (piece.blankBefore ? 1 : 0) + piece.width;
        for (std::size_t j = i + 1; j < pieces.size() && pieces[j].noBreakBefore; ++j)
            width += (pieces[j].blankBefore ? 1 : 0) + pieces[j].width;
        if (column + width > HelpWidth && column > indent && !piece.noBreakBefore) {
            text += '\n' + std::string(indent, ' ');
            column = indent;
        } else if (piece.blankBefore && column > indent) {
            text += ' ';
            ++column;
        }
        text += piece.text;
        column += piece.width;
    }
    text += '\n';
}

std::vector<std::string> wordsOf(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

namespace {

// "  NAME" and `description` wrapped in the column of descriptions; a name
// reaching into that column puts the description on the next line.
std::string helpEntry(std::string line, const std::string& description, std::size_t column) {
    if (description.empty()) return line + '\n';
    const std::size_t width = displayWidth(line);
    if (width + 2 > column)
        line += '\n' + std::string(column, ' ');
    else
        line += std::string(column - width, ' ');
    appendWrapped(line, wordsOf(description), column);
    return line;
}

}  // namespace

std::string HelpFormatter::make_option(const CLI::Option* option, bool positional) const {
    return helpEntry("  " + make_option_name(option, positional) + make_option_opts(option),
                     make_option_desc(option), get_column_width());
}

std::string HelpFormatter::make_subcommand(const CLI::App* sub) const {
    return helpEntry("  " + sub->get_display_name(true), sub->get_description(),
                     get_column_width());
}

HelpFormatter::HelpFormatter() {
    label("Usage", "用法");
    label("OPTIONS", "选项");
    label("SUBCOMMAND", "命令");
    label("SUBCOMMANDS", "命令");
    label("Positionals", "参数");
}

std::string HelpFormatter::make_option_opts(const CLI::Option* option) const {
    std::string text;
    const std::string value = valueName(*option);
    if (!value.empty()) text += ' ' + value;
    if (option->get_expected_max() > 1) text += " ...";
    if (option->get_required()) text += " 必填";
    if (!option->get_needs().empty()) {
        text += " 需同时给出:";
        for (const CLI::Option* other : option->get_needs()) text += ' ' + other->get_name();
    }
    if (!option->get_excludes().empty()) {
        text += " 不可同时给出:";
        for (const CLI::Option* other : option->get_excludes()) text += ' ' + other->get_name();
    }
    return text;
}

void useChineseHelp(CLI::App& app) {
    app.formatter(std::make_shared<HelpFormatter>());
    app.set_help_flag("-h,--help", HelpFlagText);
    app.get_help_ptr()->group(OptionsGroup);
    app.option_defaults()->group(OptionsGroup);
    app.group(CommandsGroup);
}

}  // namespace korvant::cli
