#include "DataCatalogue.h"

#include <cmath>
#include <cstdio>
#include <map>

namespace korvant::sim {

const std::vector<Product>& products() {
    static const std::vector<Product> list = {
        {"cu", "SHFE", 78000}, {"al", "SHFE", 20000},  {"zn", "SHFE", 23000},
        {"pb", "SHFE", 17000}, {"ni", "SHFE", 125000}, {"sn", "SHFE", 260000},
        {"au", "SHFE", 620},   {"ag", "SHFE", 7800},   {"rb", "SHFE", 3200},
        {"hc", "SHFE", 3300},  {"ss", "SHFE", 13000},  {"bu", "SHFE", 3500},
        {"ru", "SHFE", 15000}, {"fu", "SHFE", 3000},   {"sp", "SHFE", 5800},
        {"wr", "SHFE", 3600},  {"ao", "SHFE", 3500},   {"br", "SHFE", 12500},
        {"a", "DCE", 4200},    {"b", "DCE", 3600},     {"m", "DCE", 2900},
        {"y", "DCE", 7600},    {"p", "DCE", 8500},     {"c", "DCE", 2300},
        {"cs", "DCE", 2700},   {"jd", "DCE", 3500},    {"l", "DCE", 7300},
        {"v", "DCE", 5000},    {"pp", "DCE", 7100},    {"j", "DCE", 1900},
        {"jm", "DCE", 1200},   {"i", "DCE", 780},      {"eg", "DCE", 4400},
        {"eb", "DCE", 7500},   {"pg", "DCE", 4500},    {"rr", "DCE", 3500},
        {"lh", "DCE", 14000},  {"fb", "DCE", 1300},    {"bb", "DCE", 150},
        {"lg", "DCE", 800},    {"SR", "CZCE", 5800},   {"CF", "CZCE", 13500},
        {"TA", "CZCE", 4800},  {"MA", "CZCE", 2400},   {"FG", "CZCE", 1200},
        {"RM", "CZCE", 2500},  {"OI", "CZCE", 9000},   {"SA", "CZCE", 1300},
        {"UR", "CZCE", 1700},  {"AP", "CZCE", 7500},   {"CJ", "CZCE", 10000},
        {"PK", "CZCE", 8200},  {"SF", "CZCE", 5800},   {"SM", "CZCE", 6000},
        {"PF", "CZCE", 6800},  {"CY", "CZCE", 19000},  {"WH", "CZCE", 2500},
        {"PX", "CZCE", 6800},  {"SH", "CZCE", 2500},   {"ZC", "CZCE", 800},
        {"IF", "CFFEX", 3900}, {"IC", "CFFEX", 5800},  {"IH", "CFFEX", 2700},
        {"IM", "CFFEX", 6200}, {"T", "CFFEX", 108},    {"TF", "CFFEX", 105},
        {"TS", "CFFEX", 102},  {"TL", "CFFEX", 118},
    };
    return list;
}

std::string contractCode(const Product& product, int yymm) {
    char digits[8];
    if (std::string(product.exchange) == "CZCE")
        std::snprintf(digits, sizeof digits, "%03d", yymm % 1000);
    else
        std::snprintf(digits, sizeof digits, "%04d", yymm % 10000);
    return std::string(product.code) + digits;
}

void addVarieties(SimState& state, const std::vector<Product>& list,
                  const std::vector<int>& months) {
    for (const auto& p : list)
        for (int month : months)
            state.varieties.push_back({contractCode(p, month), p.code, p.exchange});
}

void addVarietiesUpTo(SimState& state, int count) {
    const auto& list = products();
    int year = 26, month = 1;
    while (static_cast<int>(state.varieties.size()) < count) {
        for (const auto& p : list) {
            if (static_cast<int>(state.varieties.size()) >= count) break;
            int yymm = year * 100 + month;
            state.varieties.push_back({contractCode(p, yymm), p.code, p.exchange});
        }
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
}

std::string chineseName(Random& random) {
    static const std::vector<std::string> surnames = {
        "王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "徐", "孙", "马", "朱",
        "胡", "郭", "何", "林", "高", "罗", "郑", "梁", "谢", "宋", "唐", "许", "韩", "冯"};
    static const std::vector<std::string> given = {
        "伟",   "芳",   "娜",   "敏",   "静",   "丽",   "强",   "磊",   "军",   "洋",
        "勇",   "艳",   "杰",   "娟",   "涛",   "明",   "超",   "秀英", "霞",   "平",
        "刚",   "桂英", "建华", "文",   "华",   "鑫",   "晨",   "浩然", "子涵", "欣怡",
        "宇轩", "思远", "晓东", "海燕", "国庆", "志强", "雪梅", "俊"};
    std::string name = random.pick(surnames) + random.pick(given);
    if (random.chance(40)) name += random.pick(given);
    return name;
}

int32_t randomDate(Random& random, int fromYear, int toYear) {
    return random.between(fromYear, toYear) * 10000 + random.between(1, 12) * 100 +
           random.between(1, 28);
}

RateTemplate makeFeeTemplate(int32_t id, const std::string& name, const std::string& groupCode,
                             Random& random, double scale) {
    RateTemplate t{id, name, groupCode, {}, {}};
    for (const auto& p : products()) {
        ProductRate r{p.code, {}};
        auto& v = r.row.values;
        if (random.chance(50)) {
            v[0] = std::round(random.between(5, 30) * scale) / 10.0;  // by money, 1/10000
            v[2] = v[0];
        } else {
            v[1] = std::round(random.between(10, 60) * scale) / 10.0;  // per lot
            v[3] = v[1];
        }
        if (random.chance(30)) {
            r.row.discount = 1;  // close today costs as much as a close
        } else {
            v[4] = v[0] * 2;
            v[5] = v[1] * 2;
        }
        t.rates.push_back(r);
    }
    return t;
}

RateTemplate makeMarginTemplate(int32_t id, const std::string& name, const std::string& groupCode,
                                Random& random, double scale) {
    RateTemplate t{id, name, groupCode, {}, {}};
    for (const auto& p : products()) {
        double ratio = std::round(random.between(8, 15) * scale);  // % of the contract value
        ProductRate r{p.code, {}};
        auto& v = r.row.values;
        v[0] = v[2] = ratio;      // speculation
        v[4] = v[6] = ratio - 2;  // hedge
        t.rates.push_back(r);
    }
    return t;
}

namespace {

// One kind of the shipped catalogue "riskdetail.ini": its summary text after
// the product part (templates with "Contract" start with the products).
struct RuleShape {
    int32_t category;
    int32_t kind;
    int32_t level;
    bool products;     // the template starts with "Contract"
    const char* text;  // %d stands for parameter 1
    int32_t p1From, p1To;
};

const std::vector<RuleShape>& ruleShapes() {
    static const std::vector<RuleShape> shapes = {
        {3, 9, 0, true, "买入方向", 0, 0},
        {3, 10, 0, true, "卖出方向", 0, 0},
        {4, 11, 0, true, "单笔下单超过%d手", 50, 500},
        {5, 12, 0, true, "持仓超过%d手", 100, 2000},
        {6, 13, 0, true, "中日成交量低于%d手的不活跃合约", 10, 200},
        {7, 14, 0, true, "风险度大于%d%%", 60, 95},
        {8, 16, 0, false, "权益低于%d元", 10000, 500000},
        {9, 17, 1, false, "主账号权益低于%d元", 100000, 5000000},
        {10, 20, 0, false, "当日亏损超过%d元", 5000, 200000},
        {11, 21, 1, false, "主账号当日亏损超过%d元", 50000, 1000000},
        {12, 24, 0, false, "保证金占用超过%d%%", 50, 95},
        {13, 25, 1, false, "主账号保证金占用超过%d%%", 50, 95},
        {14, 26, 0, false, "风险度达到%d%%", 90, 120},
        {15, 31, 0, false, "每日%d时间到达,强平所有持仓", 1450, 1459},
    };
    return shapes;
}

std::string productScope(Random& random, std::string& label) {
    const auto& list = products();
    int count = random.between(1, 3);
    std::string scope;
    for (int i = 0; i < count; ++i) {
        const std::string code =
            list[static_cast<std::size_t>(random.below(static_cast<int>(list.size())))].code;
        if (scope.find(code) != std::string::npos) continue;
        if (!scope.empty()) scope += "|";
        scope += code;
    }
    auto bar = scope.find('|');
    label = bar == std::string::npos ? scope : scope.substr(0, bar) + "等品种";
    return scope;
}

}  // namespace

RiskRule makeRiskRule(int32_t id, int32_t owner, Random& random) {
    RiskRule rule;
    rule.id = id;
    rule.owner = owner;
    if (random.chance(20)) {
        // A product rule: the listed products may not be opened or closed.
        rule.category = 2;
        rule.kind = 8;
        std::string label;
        rule.scope = productScope(random, label);
        rule.forbidOpen = 1;
        rule.forbidClose = random.chance(20) ? 1 : 0;
        std::string products = rule.scope;
        for (auto& ch : products)
            if (ch == '|') ch = ';';
        rule.summary = products + ",禁止开仓" + (rule.forbidClose ? ",禁止平仓" : "");
        return rule;
    }
    const auto& shapes = ruleShapes();
    const RuleShape& shape =
        shapes[static_cast<std::size_t>(random.below(static_cast<int>(shapes.size())))];
    rule.category = shape.category;
    rule.kind = shape.kind;
    rule.accountLevel = shape.level;
    int32_t p1 = shape.p1To > 0 ? random.between(shape.p1From, shape.p1To) : 0;
    if (shape.p1To >= 10000) p1 = p1 / 1000 * 1000;
    rule.parameters[0] = p1;
    char text[160];
    std::snprintf(text, sizeof text, shape.text, p1);
    std::string summary;
    // The draws stay as they were, so that the data that follows does too.
    std::string label = "全部品种";
    std::string scope;
    if (shape.category != 15 && random.chance(40)) scope = productScope(random, label);
    if (shape.products) {
        rule.scope = scope;
        summary = scope.empty() ? "全部品种" : label;
    }
    summary += text;
    if (shape.category != 15 && random.chance(30)) {
        rule.windowStart = 90000;
        rule.windowEnd = 113000;
        summary = "[09:00-11:30]" + summary;
    }
    // Rules up to category 13 forbid opening or closing; force-close rules
    // notify and close.
    if (shape.category <= 13) {
        rule.forbidOpen = 1;
        summary += ",禁止开仓";
    }
    if (shape.category == 14) {
        rule.notifyMinutes = 5;
        rule.forceCloseShare = 100;
        summary += ",每5分钟发送风险通知,强平所有持仓数量的100%";
    }
    rule.summary = summary;
    return rule;
}

Administrator makeAdministrator(const std::string& account, const std::string& password,
                                const std::string& name, int32_t groupId, uint32_t mask) {
    Administrator a;
    a.account = account;
    a.password = password;
    a.name = name;
    a.groupId = groupId;
    a.permissionMask = mask;
    return a;
}

void balanceFunds(SimState& state, Random& random) {
    std::map<std::pair<std::string, int32_t>, double> used;  // (main, group) -> sub funds
    for (const auto& s : state.subAccounts) used[{s.mainAccount, s.groupId}] += s.available;
    std::map<std::string, double> allocated;
    for (auto& link : state.links) {
        MainAccount* m = state.findMainAccount(link.mainAccount);
        if (m == nullptr || !m->limited()) {
            link.distributable = 0;
            continue;
        }
        link.distributable = random.between(0, 50) * 10000.0;
        allocated[link.mainAccount] += link.distributable + used[{link.mainAccount, link.groupId}];
    }
    for (auto& m : state.mainAccounts) {
        if (!m.limited()) continue;
        m.distributable = random.between(10, 200) * 10000.0;
        m.initialFunds = m.distributable + allocated[m.account];
    }
}

void addDepositHistory(SimState& state, Random& random, int count) {
    if (state.subAccounts.empty()) return;
    static const std::vector<std::string> remarks = {
        "", "", "客户入金", "追加保证金", "客户出金", "季度分红", "银期转账"};
    for (int i = 0; i < count; ++i) {
        const SubAccount& s = random.pick(state.subAccounts);
        DepositRecord d;
        d.customer = s.number;
        d.accountText = std::to_string(s.number);
        d.groupId = s.groupId;
        d.date = 20251100 + random.between(1, 28);
        d.tradeDate = d.date;
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", random.between(8, 16), random.below(60),
                      random.below(60));
        d.time = time;
        d.amount = random.between(1, 100) * 1000.0 * (random.chance(25) ? -1 : 1);
        d.operatorName = "admin";
        d.serial = state.nextSerial++;
        d.remark = random.pick(remarks);
        state.deposits.push_back(d);
    }
}

uint32_t ipv4(int a, int b, int c, int d) {
    return static_cast<uint32_t>(a & 0xFF) | static_cast<uint32_t>(b & 0xFF) << 8 |
           static_cast<uint32_t>(c & 0xFF) << 16 | static_cast<uint32_t>(d & 0xFF) << 24;
}

}  // namespace korvant::sim
