#include "cli/CliApp.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <utility>

#include "app/port/FrontEndPort.h"
#include "app/session/BuildVersion.h"
#include "cli/CliContext.h"
#include "cli/CliReference.h"
#include "cli/ExitStatus.h"
#include "cli/HelpFormatter.h"
#include "cli/UsageErrorText.h"

namespace korvant::cli {
namespace {

// What the options cannot say. The commands and their options follow,
// generated from the command definitions.
const char* const Notes = R"(
全局选项可写在命令之前或之后; 对自带 --password 的命令 (subaccount add,
admin add 等), 登录用的 --password 必须写在命令之前。列表命令用
--match-account、--match-password、--match-date 和 --match-remark 查询。

环境变量
  KORVANT_HOST 与 KORVANT_PORT (须同时设置): 服务器, 同 --host 和 --port;
  KORVANT_USER: 账号, 同 --user; KORVANT_PASSWORD: 见"密码";
  KORVANT_DIR: 见"本地文件"。选项优先于环境变量 (--server-index 亦然);
  值为空的变量视为未设置。

密码
  依次取自: --password, --password-stdin, 环境变量 KORVANT_PASSWORD
  (不够安全: 其他用户可能看到进程的环境), ServerInfo.Dat 中保存的密码
  (仅当保存标志为 1 且账号为所保存的账号; 标志为 0 时该文件不提供账号和
  密码), 标准输入为终端时不回显的提示输入; 否则为空。账号和密码各不超过
  15 字节。korvant-cli 从不写 ServerInfo.Dat。
  切勿在命令行中输入密码: shell 会把它记入历史 ("<<< pw" 和 "echo pw |"
  也一样)。请让 korvant-cli 提示输入, 或把只有本人可读的文件交给
  --password-stdin:
    korvant-cli --password-stdin ... login < ~/.korvant-password
  korvant-cli 用完即从内存中清除密码, 其他进程无法转储或读取它。

  操作密码 (admin add|modify, subaccount add|modify, password) 可用命令
  自己的 --password-stdin 从标准输入读取: 读下一行, 在终端上则不回显地
  提示输入。"password --password-stdin" 依次读取未用选项给出的当前密码、
  新密码和确认密码, 每个一行。同时使用全局 --password-stdin (写在命令
  之前) 时, 第一行是登录密码。

本地文件
  Server.ini、ServerInfo.Dat 和 riskdetail.ini 从 --dir 读取, 否则从
  KORVANT_DIR 指定的文件夹读取, 否则程序为便携副本 (用户可写的文件夹,
  如构建目录) 时从程序所在文件夹读取, 否则从 $XDG_CONFIG_HOME/korvant
  (~/.config/korvant) 读取, 首次运行时在其中放入随附的样例文件。

输出
  标准输出只输出数据, 编码 UTF-8: 列表为 TSV, 首行为柜台界面的列标题,
  其后是与界面所示相同的单元格。供脚本使用:
  --all   列表的每一页 (第 1 页, 再逐页直到第一页告知的总页数), 只输出
          一行标题; 某页失败则列表停止, 退出状态 1 (之前的行已输出)。
  --format csv   同样的行以 CSV 输出: UTF-8 不带字节顺序标记, 换行为
          LF, 单元格按 TSV 的方式转义, 再按下面的 CSV 单元格规则处理
          (公式开头前加单引号, 含逗号时加引号)。
  --format json  整次运行输出一个数组, 每条记录一个对象, 各占一行,
          随页到达随时写出。账号列表和出入金记录以固定名称给出记录的
          原始值 (数字为数字, permissionMask 和 options 等代码为数字,
          日期为 yyyymmdd 数字, "不限" 为 0); 其他列表以列标题为名给出
          所示各列 (重复的标题从第二次起加编号: "监控范围2"), 单元格为
          字符串。字符串均为有效的 UTF-8; 控制字符写作 \u00XX。
  列表中的密码 (admin list, subaccount list) 在所有格式中都输出为
  ******, 导出文件中不含凭据; 列表命令的 --show-passwords 输出密码。
  --quiet  标准错误上不输出状态行、页码标签和进度。
  标准错误上每个消息框一行 "[标题] 正文" (正文原样, 空格保留), 每个
  状态列表行一行 "status<TAB>时间<TAB>标题<TAB>详情" (密码写作
  密码:******), 以及分页列表的页码标签。进度文字仅在标准错误为终端时
  输出。单元格、消息框和状态行中服务器文字里的控制字符会被转义: 换行
  写作两个字符 \n, 其他 (0x20 以下及 0x7F) 写作 \xNN。
  CSV 导出时, 以 "="、"+"、"-"、"@"、制表符或回车开头且不是纯数字的
  单元格前加一个单引号; 含逗号、引号或换行的单元格加引号; 被替换的
  文件保留其权限位。被中断的导出不留下临时文件。
  文件名以 ".xlsx" 结尾或使用 --format xlsx 时, 上述每种导出改为写出
  Excel 工作簿: 标题为加粗并冻结的首行, 金额为数字 (小数位与 CSV 文件
  相同), 日期为日期, 代码和账号为文本; 从不写入公式。CSV 格式的结算单
  (statement --csv --save) 同样可写为工作簿: 每行一行, 空行保留, 带小数
  的金额为数字, 其余 (账号、代码、日期等) 为原样的文本。

退出状态
  0  完成: 所要求的全部完成
  1  被拒绝或失败 (已输出其消息): 登录值的检查未通过、登录被拒绝、
     操作被拒绝、列表的回答被拒绝或无法读取、组或账号不存在, 以及途中
     显示的任何错误 (--all-months 中有一个合约被拒绝, 柜台界面会继续
     处理但无法读取的回答)
  2  用法错误
  3  柜台界面在此会结束, 或连接失败或断开 (先输出其消息)
)";

// The options of `app` that the help shows: not the help itself, not the
// hidden ones (old spellings kept only to name the new ones).
std::vector<const CLI::Option*> shownOptions(const CLI::App& app) {
    std::vector<const CLI::Option*> options;
    for (const CLI::Option* option : app.get_options())
        if (option != app.get_help_ptr() && !option->get_group().empty()) options.push_back(option);
    return options;
}

// "--group ID [--page N] [--account TEXT]... [--withdraw]" from the options
// of one command.
std::vector<std::string> synopsis(const CLI::App& leaf) {
    std::vector<std::string> words;
    for (const CLI::Option* option : shownOptions(leaf)) {
        std::string word = option->get_name();
        const std::string type = valueName(*option);
        if (!type.empty()) word += ' ' + type;
        if (!option->get_required()) word = '[' + word + ']';
        if (option->get_expected_max() > 1) word += "...";
        words.push_back(word);
    }
    return words;
}

std::vector<OptionReference> optionReferences(const CLI::App& app) {
    std::vector<OptionReference> references;
    for (const CLI::Option* option : shownOptions(app))
        references.push_back({option->get_name(), valueName(*option), option->get_description(),
                              option->get_required()});
    return references;
}

// "group list" as its two words; "login" as "login" and "".
std::pair<std::string, std::string> wordsOfName(const std::string& name) {
    std::istringstream words(name);
    std::string first, second;
    words >> first >> second;
    return {first, second};
}

// The command's words ("group", "list"; "login", "") when they can be told
// from the start of `args` alone: global options of `app`, with their
// values, then the words. Nothing when help is asked for or when anything
// before the words is not a global option; the whole parser then reads the
// line.
std::optional<std::pair<std::string, std::string>> commandWords(
    const CLI::App& app, const std::vector<std::string>& args) {
    for (const std::string& arg : args)
        if (arg == "-h" || arg == "--help" || arg == "--") return std::nullopt;
    std::size_t i = 0;
    while (i < args.size() && !args[i].empty() && args[i][0] == '-') {
        const std::size_t equals = args[i].find('=');
        const CLI::Option* option = app.get_option_no_throw(args[i].substr(0, equals));
        if (option == nullptr) return std::nullopt;
        const bool flag = option->get_type_name().empty();
        if (flag && equals != std::string::npos) return std::nullopt;
        i += flag || equals != std::string::npos ? 1 : 2;
    }
    if (i >= args.size()) return std::nullopt;
    std::string second = i + 1 < args.size() ? args[i + 1] : std::string();
    return std::make_pair(args[i], second);
}

// What the commands of an object act on, for its one-line help; the
// actions follow.
std::string objectHelp(const std::string& object) {
    static const std::map<std::string, std::string> helps = {
        {"group", "组织结构树"},
        {"admin", "组的管理员"},
        {"subaccount", "组的子账号及其模板"},
        {"mainaccount", "主账号及其与二级组的关联"},
        {"deposit", "入金与出金"},
        {"fee", "手续费率模板"},
        {"margin", "保证金率模板"},
        {"risk", "风控规则库中的规则及加载到账号上的规则"},
        {"settle", "日终结算及结算价"},
        {"params", "交易参数"},
        {"report", "账号或组的报表"},
        {"position", "账号的持仓"},
    };
    auto it = helps.find(object);
    return it != helps.end() ? it->second : object + " 的命令";
}

struct Parser {
    CLI::App app{"korvant-cli: 命令行上的 Korvant 柜台管理", "korvant-cli"};
    std::vector<std::unique_ptr<Command>> commands;
    std::map<CLI::App*, Command*> leaves;
    std::vector<const CLI::App*> order;

    // With the command line `args`, the commands other than the one it names
    // are left out: building every command's options costs more than many a
    // command's whole work.
    explicit Parser(GlobalOptions& o, const std::vector<std::string>* args = nullptr) {
        useChineseHelp(app);
        app.require_subcommand(1);
        app.failure_message(usageErrorText);
        app.set_version_flag("--version", std::string("korvant-cli ") + buildVersion(),
                             "显示版本并退出");
        app.add_option("--dir", o.dir,
                       "Server.ini、ServerInfo.Dat 和 riskdetail.ini 所在的文件夹 (默认: "
                       "KORVANT_DIR, 否则为程序所在文件夹, 安装版为 ~/.config/korvant)");
        app.add_option("--server-index", o.serverIndex,
                       "登录 Server.ini 的第 N 项 (从 0 起); 超出列表视为未选择服务器。"
                       "不给出时用 ServerInfo.Dat 中保存的序号 (超出列表时为第 0 项)");
        auto* host = app.add_option("--host", o.host,
                                    "登录 主机:端口, 而不用 Server.ini 中的项 (与 "
                                    "--port 一起使用)");
        auto* port = app.add_option("--port", o.port, "服务器端口 (与 --host 一起使用)")
                         ->check(CLI::Range(1, 65535));
        host->needs(port);
        port->needs(host);
        app.add_option("--user", o.user, "管理员账号 (默认: 所保存的账号)");
        auto* pw = app.add_option("--password", o.password, "密码 (其他用户可在进程列表中看到)");
        auto* pwStdin = app.add_flag("--password-stdin", o.passwordStdin,
                                     "从标准输入的第一行读取密码 "
                                     "(脚本中更安全的方式)");
        pw->excludes(pwStdin);
        app.add_option("--mac", o.mac, "代替本机 MAC 地址发送的 MAC 文字");
        app.add_flag("--yes", o.yes, "对每个确认回答 是 (不给出时回答 否)");
        app.add_flag("--all", o.all,
                     "列表: 输出每一页, 只输出一行标题 (不可与命令的 --page 同用); "
                     "页码标签在最后输出一次. 读取上限: 主账号和子账号列表 200 万条, "
                     "其他列表 50 万条或 64 MiB, 每次读取最多 10 万页");
        const std::map<std::string, OutputFormat> formats = {{"tsv", OutputFormat::Tsv},
                                                             {"csv", OutputFormat::Csv},
                                                             {"json", OutputFormat::Json},
                                                             {"xlsx", OutputFormat::Xlsx}};
        app.add_option(
               "--format", o.format,
               "标准输出上列表的格式: tsv (默认: 柜台界面的列标题和单元格), csv "
               "(同样内容的 CSV, 供脚本使用: UTF-8, LF 换行) 或 json (一个对象数组, "
               "含记录的原始值); xlsx: 导出文件 (--export, --file, statement --csv --save) 写为 "
               "Excel "
               "工作簿 (无扩展名的文件名后加 \".xlsx\"), 与以 \".xlsx\" 结尾的文件名效果相同")
            ->transform(CLI::CheckedTransformer(formats).description(""))
            ->type_name("tsv|csv|json|xlsx");
        app.add_flag("--quiet", o.quiet,
                     "标准错误上不输出状态行、页码标签和进度 (消息和错误照常输出)");
        app.add_option(
               "--timeout", o.timeoutSeconds,
               "等待回答后续字节的秒数, 超时即视为连接断开 (默认 30; 退出状态 3)。"
               "对 \"settle start\" 须写在命令之前, 该命令自己的 --timeout 限制的是等待结算的时间")
            ->check(CLI::Range(1, 86400));

        const std::optional<std::pair<std::string, std::string>> only =
            args != nullptr ? commandWords(app, *args) : std::nullopt;
        commands = allCommands();
        // Only the named command when the line names one that exists;
        // otherwise every command, so that errors and help read the same.
        auto named = [&only](const Command& command) {
            const auto [first, second] = wordsOfName(command.name());
            return first == only->first && (second.empty() || second == only->second);
        };
        const bool narrow =
            only && std::any_of(commands.begin(), commands.end(),
                                [&named](const auto& command) { return named(*command); });
        std::map<std::string, CLI::App*> objects;
        for (auto& command : commands) {
            if (narrow && !named(*command)) continue;
            const auto [first, second] = wordsOfName(command->name());
            CLI::App* parent = &app;
            if (!second.empty()) {
                CLI::App*& object = objects[first];
                if (object == nullptr) {
                    object = app.add_subcommand(first, objectHelp(first));
                    object->get_help_ptr()->group(OptionsGroup);
                    object->require_subcommand(1);
                    object->fallthrough();
                }
                parent = object;
            }
            CLI::App* leaf =
                parent->add_subcommand(second.empty() ? first : second, command->help());
            leaf->fallthrough();
            leaf->get_help_ptr()->group(OptionsGroup);
            command->addOptions(*leaf);
            for (CLI::App* below : leaf->get_subcommands({}))
                below->get_help_ptr()->group(OptionsGroup);
            leaves[leaf] = command.get();
            order.push_back(leaf);
        }
        // The objects' one-line helps name their actions.
        for (const auto& [first, object] : objects) {
            std::string actions;
            for (const CLI::App* action : object->get_subcommands({}))
                actions += (actions.empty() ? ": " : ", ") + action->get_name();
            object->description(object->get_description() + actions);
        }
        // Written only when help is asked for.
        app.footer([this] { return Notes + commandsSection(); });
    }

    // One entry per command, in registration order: its words, its help and
    // the synopsis of its options.
    std::string commandsSection() const {
        std::string text = "\n命令一览\n";
        auto entry = [&text](const std::string& words, const std::string& help,
                             const CLI::App& app) {
            text += "  " + words + " -";
            appendWrapped(text, wordsOf(help), 6);
            std::vector<std::string> options = synopsis(app);
            if (!options.empty()) {
                text += "      ";
                appendWrapped(text, options, 6, true);
            }
        };
        for (const CLI::App* leaf : order) {
            const Command* command = leaves.at(const_cast<CLI::App*>(leaf));
            entry(command->name(), command->help(), *leaf);
            // A command's own actions ("statement batch").
            for (const CLI::App* below : leaf->get_subcommands({}))
                entry(command->name() + " " + below->get_name(), below->get_description(), *below);
        }
        text += "  运行 \"korvant-cli 对象 动作 --help\" 查看单个命令的选项。\n";
        return text;
    }

    // "unknown command: WORDS" and the commands, when the words of the line
    // name no command; false when the line's fault is another.
    bool sayUnknownCommand(const std::vector<std::string>& args, std::ostream& err) const {
        const auto words = commandWords(app, args);
        if (!words) return false;
        const auto [first, second] = *words;
        std::string unknown;
        const CLI::App* object = nullptr;
        for (const CLI::App* sub : app.get_subcommands({}))
            if (sub->get_name() == first) object = sub;
        if (object == nullptr) {
            unknown = first;
        } else if (!object->get_subcommands({}).empty() &&
                   leaves.count(const_cast<CLI::App*>(object)) == 0) {
            if (second.empty() || second[0] == '-') return false;
            bool known = false;
            for (const CLI::App* sub : object->get_subcommands({}))
                known |= sub->get_name() == second;
            if (known) return false;
            unknown = first + " " + second;
        } else {
            return false;
        }
        err << "未知命令: " << unknown << "\n命令:\n";
        for (const CLI::App* leaf : order) {
            const std::string name = leaves.at(const_cast<CLI::App*>(leaf))->name();
            err << "  " << name << '\n';
            for (const CLI::App* below : leaf->get_subcommands({}))
                err << "  " << name << " " << below->get_name() << '\n';
        }
        err << "详见 \"korvant-cli --help\"。\n";
        return true;
    }

    // Whether the chosen command was given its --page.
    bool pageChosen() const {
        for (auto& [leaf, command] : leaves) {
            if (!leaf->parsed()) continue;
            const CLI::Option* page = leaf->get_option_no_throw("--page");
            return page != nullptr && page->count() > 0;
        }
        return false;
    }

    Command* chosen() const {
        for (auto& [leaf, command] : leaves)
            if (leaf->parsed()) return command;
        return nullptr;
    }
};

}  // namespace

std::string cliHelp() {
    GlobalOptions options;
    Parser parser(options);
    return parser.app.help();
}

namespace {

// `sub` and every command below it ("statement", "statement batch").
void addCommandReferences(CliReference& reference, const CLI::App& sub, const std::string& words) {
    reference.commands.push_back({words, sub.get_description(), optionReferences(sub)});
    for (const CLI::App* below : sub.get_subcommands({}))
        addCommandReferences(reference, *below, words + " " + below->get_name());
}

CliReference cliReference() {
    GlobalOptions options;
    Parser parser(options);
    CliReference reference;
    reference.program = parser.app.get_name();
    reference.summary = "命令行上的 Korvant 柜台管理";
    reference.version = buildVersion();
    reference.globalOptions = optionReferences(parser.app);
    for (const CLI::App* first : parser.app.get_subcommands({})) {
        reference.firstWords.emplace_back(first->get_name(), first->get_description());
        const bool command = parser.leaves.count(const_cast<CLI::App*>(first)) > 0;
        if (command) {
            addCommandReferences(reference, *first, first->get_name());
            continue;
        }
        for (const CLI::App* action : first->get_subcommands({}))
            addCommandReferences(reference, *action, first->get_name() + " " + action->get_name());
    }
    reference.notes = Notes;
    return reference;
}

}  // namespace

std::string manPage() {
    return roffManPage(cliReference());
}

std::string bashCompletion() {
    return bashCompletionScript(cliReference());
}

int runCli(const std::vector<std::string>& args, CliContext& context) {
    if (args.size() == 1 && args[0] == ManPageOption) {
        context.out() << manPage();
        return ExitDone;
    }
    if (args.size() == 1 && args[0] == BashCompletionOption) {
        context.out() << bashCompletion();
        return ExitDone;
    }
    Parser parser(context.options, &args);
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        parser.app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) {
            parser.app.exit(e, context.out(), context.err());
            return ExitDone;
        }
        if (parser.sayUnknownCommand(args, context.err())) return ExitUsage;
        parser.app.exit(e, context.out(), context.err());
        return ExitUsage;
    }
    Command* command = parser.chosen();
    if (command == nullptr) return ExitUsage;
    if (context.options.all && parser.pageChosen()) {
        context.err() << "--all 输出每一页: 请去掉 --page\n";
        return ExitUsage;
    }
    if (command->logsIn() && !context.takeEnvironment()) return ExitUsage;
    context.port().setAnswerYes(context.options.yes);
    context.port().setShowProgress(context.stderrIsTerminal && !context.options.quiet);
    context.port().setLineBreaks(context.stderrIsTerminal);
    return runCommand(*command, context);
}

}  // namespace korvant::cli
