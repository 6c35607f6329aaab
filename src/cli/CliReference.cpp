#include "cli/CliReference.h"

#include <algorithm>
#include <set>
#include <sstream>

namespace korvant::cli {
namespace {

// Text for roff: backslashes and hyphens escaped, no line taken for a
// request.
std::string roff(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
    return out;
}

void addOptions(std::string& page, const std::vector<OptionReference>& options) {
    for (const OptionReference& option : options) {
        page += ".TP\n.B " + roff(option.name);
        if (!option.value.empty()) page += " \\fI" + roff(option.value) + "\\fR";
        page += '\n' + roff(option.help) + (option.required ? " (必填)" : "") + '\n';
    }
}

// A heading ("退出状态"): a line of its own at the margin, Chinese
// characters only, no blank and no punctuation.
bool isHeading(const std::string& line) {
    if (line.empty()) return false;
    if (!std::all_of(line.begin(), line.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        return false;
    // U+3000.. and U+FF00..: "，。：；、（" and the like.
    return line.find("\xE3\x80") == std::string::npos && line.find("\xEF\xBC") == std::string::npos;
}

// The notes: the paragraphs before the first heading as filled text, each
// section kept as laid out.
void addNotes(std::string& page, const std::string& notes) {
    std::istringstream in(notes);
    bool inSection = false;
    for (std::string line; std::getline(in, line);) {
        if (isHeading(line)) {
            if (inSection) page += ".fi\n";
            page += ".SH " + line + "\n.nf\n";
            inSection = true;
        } else if (line.empty()) {
            page += inSection ? "\n" : ".PP\n";
        } else {
            page += roff(inSection && line.rfind("  ", 0) == 0 ? line.substr(2) : line) + '\n';
        }
    }
    if (inSection) page += ".fi\n";
}

std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
    return text;
}

std::string optionNames(const std::vector<OptionReference>& options) {
    std::vector<std::string> names;
    for (const OptionReference& option : options) names.push_back(option.name);
    return joined(names);
}

}  // namespace

std::string roffManPage(const CliReference& r) {
    std::string page =
        ".\\\" Generated from the command definitions of " + r.program + "; do not edit.\n";
    page += ".TH " + roff(r.program) + " 1 \"\" \"" + roff(r.program + " " + r.version) +
            "\" \"用户命令\"\n";
    page += ".SH 名称\n" + roff(r.program) + " \\- " + roff(r.summary) + '\n';
    page += ".SH 概要\n.B " + roff(r.program) +
            "\n[\\fI全局选项\\fR] \\fI对象\\fR \\fI动作\\fR [\\fI选项\\fR]\n";
    page += ".SH 描述\n";
    for (const auto& [word, help] : r.firstWords)
        page += ".TP\n.B " + roff(word) + '\n' + roff(help) + '\n';
    page += ".SH 全局选项\n";
    addOptions(page, r.globalOptions);
    page += ".SH 命令\n";
    for (const CommandReference& command : r.commands) {
        page += ".TP\n.B " + roff(command.words) + '\n' + roff(command.help) + '\n';
        if (command.options.empty()) continue;
        page += ".RS\n";
        addOptions(page, command.options);
        page += ".RE\n";
    }
    addNotes(page, r.notes);
    return page;
}

std::string bashCompletionScript(const CliReference& r) {
    std::set<std::string> valued;
    for (const OptionReference& option : r.globalOptions)
        if (!option.value.empty()) valued.insert(option.name);
    for (const CommandReference& command : r.commands)
        for (const OptionReference& option : command.options)
            if (!option.value.empty()) valued.insert(option.name);
    const std::string function = "_korvant_cli";

    std::string s = "# bash completion for " + r.program +
                    ", generated from its command definitions; do not edit.\n";
    s += function + R"(() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local i word command= words= options=
    # The command words so far; option values are skipped.
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        case $word in
)";
    std::string pattern;
    for (const std::string& name : valued) pattern += (pattern.empty() ? "" : "|") + name;
    s += "            " + pattern + ") ((i++)) ;;\n";
    s += R"(            -*) ;;
            *) command=${command:+$command }$word ;;
        esac
    done
    case $prev in
        --format) COMPREPLY=($(compgen -W 'tsv csv json xlsx' -- "$cur")); return ;;
    esac
)";
    s += "    for word in " + joined(std::vector<std::string>(valued.begin(), valued.end())) +
         "; do\n";
    s += "        [[ $prev == \"$word\" ]] && { COMPREPLY=(); return; }\n";
    s += "    done\n";
    s += "    case $command in\n";
    std::vector<std::string> first;
    for (const auto& [word, help] : r.firstWords) first.push_back(word);
    s += "        '') words='" + joined(first) + "' ;;\n";
    // The actions of each object, and the options of each command (with the
    // actions below it, as "statement batch" below "statement").
    std::vector<std::string> objects;
    for (const CommandReference& command : r.commands) {
        const std::size_t blank = command.words.find(' ');
        if (blank != std::string::npos) {
            const std::string object = command.words.substr(0, blank);
            if (std::find(objects.begin(), objects.end(), object) == objects.end())
                objects.push_back(object);
        }
    }
    for (const std::string& object : objects) {
        const bool isCommand =
            std::any_of(r.commands.begin(), r.commands.end(),
                        [&object](const CommandReference& c) { return c.words == object; });
        if (isCommand) continue;
        std::vector<std::string> actions;
        for (const CommandReference& command : r.commands)
            if (command.words.rfind(object + ' ', 0) == 0)
                actions.push_back(command.words.substr(object.size() + 1));
        s += "        '" + object + "') words='" + joined(actions) + "' ;;\n";
    }
    for (const CommandReference& command : r.commands) {
        std::vector<std::string> below;
        for (const CommandReference& other : r.commands)
            if (other.words.rfind(command.words + ' ', 0) == 0)
                below.push_back(other.words.substr(command.words.size() + 1));
        s += "        '" + command.words + "') words='" + joined(below) + "' options='" +
             optionNames(command.options) + "' ;;\n";
    }
    s += "    esac\n";
    s += "    if [[ $cur == -* ]]; then\n";
    s += "        COMPREPLY=($(compgen -W \"$options " + optionNames(r.globalOptions) +
         "\" -- \"$cur\"))\n";
    s += "    else\n";
    s += "        COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n";
    s += "    fi\n";
    s += "}\n";
    s += "complete -o default -F " + function + ' ' + r.program + '\n';
    return s;
}

}  // namespace korvant::cli
