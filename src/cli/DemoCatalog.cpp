#include "DemoCatalog.h"

#include "DemoRandom.h"
#include "Numbers.h"

#include <QSet>

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

// ---------------------------------------------------------------- places

struct TCity {
    const char* Name;      // as the district tree shows it
    const char* Short;     // as company names start
    const char* Initials;  // pinyin initials of Short
    const char* AreaCode;
    const char* Zip;
};

struct TProvince {
    const char* Name;
    QList<TCity> Cities;
};

const QList<TProvince>& Provinces()
{
    static const QList<TProvince> list{
        {"江苏省",
         {{"南京市", "南京", "NJ", "025", "210000"},
          {"苏州市", "苏州", "SZ", "0512", "215000"},
          {"无锡市", "无锡", "WX", "0510", "214000"},
          {"常州市", "常州", "CZ", "0519", "213000"},
          {"南通市", "南通", "NT", "0513", "226000"},
          {"徐州市", "徐州", "XZ", "0516", "221000"}}},
        {"浙江省",
         {{"杭州市", "杭州", "HZ", "0571", "310000"},
          {"宁波市", "宁波", "NB", "0574", "315000"},
          {"温州市", "温州", "WZ", "0577", "325000"},
          {"嘉兴市", "嘉兴", "JX", "0573", "314000"},
          {"金华市", "金华", "JH", "0579", "321000"}}},
        {"上海市",
         {{"浦东新区", "上海", "SH", "021", "200120"},
          {"闵行区", "上海", "SH", "021", "201100"},
          {"嘉定区", "上海", "SH", "021", "201800"},
          {"松江区", "上海", "SH", "021", "201600"}}},
        {"广东省",
         {{"广州市", "广州", "GZ", "020", "510000"},
          {"深圳市", "深圳", "SZ", "0755", "518000"},
          {"东莞市", "东莞", "DG", "0769", "523000"},
          {"佛山市", "佛山", "FS", "0757", "528000"},
          {"中山市", "中山", "ZS", "0760", "528400"}}},
        {"山东省",
         {{"济南市", "济南", "JN", "0531", "250000"},
          {"青岛市", "青岛", "QD", "0532", "266000"},
          {"烟台市", "烟台", "YT", "0535", "264000"},
          {"潍坊市", "潍坊", "WF", "0536", "261000"}}},
        {"安徽省",
         {{"合肥市", "合肥", "HF", "0551", "230000"},
          {"芜湖市", "芜湖", "WH", "0553", "241000"},
          {"马鞍山市", "马鞍山", "MAS", "0555", "243000"}}},
        {"福建省",
         {{"福州市", "福州", "FZ", "0591", "350000"},
          {"厦门市", "厦门", "XM", "0592", "361000"},
          {"泉州市", "泉州", "QZ", "0595", "362000"}}},
        {"湖北省",
         {{"武汉市", "武汉", "WH", "027", "430000"},
          {"宜昌市", "宜昌", "YC", "0717", "443000"},
          {"襄阳市", "襄阳", "XY", "0710", "441000"}}},
        {"河南省", {{"郑州市", "郑州", "ZZ", "0371", "450000"}, {"洛阳市", "洛阳", "LY", "0379", "471000"}}},
        {"北京市",
         {{"朝阳区", "北京", "BJ", "010", "100020"},
          {"海淀区", "北京", "BJ", "010", "100080"},
          {"丰台区", "北京", "BJ", "010", "100070"}}},
        {"四川省", {{"成都市", "成都", "CD", "028", "610000"}, {"绵阳市", "绵阳", "MY", "0816", "621000"}}},
        {"湖南省", {{"长沙市", "长沙", "CS", "0731", "410000"}, {"株洲市", "株洲", "ZZ", "0731", "412000"}}},
    };
    return list;
}

struct TWord {
    const char* Text;
    const char* Initials;
};

// Trade names of companies.
const QList<TWord>& TradeNames()
{
    static const QList<TWord> list{
        {"恒达", "HD"}, {"宏远", "HY"}, {"鑫盛", "XS"}, {"金泰", "JT"}, {"永兴", "YX"}, {"瑞丰", "RF"},
        {"德隆", "DL"}, {"汇通", "HT"}, {"华信", "HX"}, {"天成", "TC"}, {"盛世", "SS"}, {"东方", "DF"},
        {"新锐", "XR"}, {"博远", "BY"}, {"富康", "FK"}, {"嘉禾", "JH"}, {"聚源", "JY"}, {"凯峰", "KF"},
        {"隆昌", "LC"}, {"明辉", "MH"}, {"锦程", "JC"}, {"启航", "QH"}, {"荣发", "RF"}, {"顺达", "SD"},
        {"泰和", "TH"}, {"万丰", "WF"}, {"祥瑞", "XR"}, {"兴旺", "XW"}, {"亿联", "YL"}, {"振华", "ZH"},
        {"佳美", "JM"}, {"昌盛", "CS"}, {"诚信", "CX"}, {"大通", "DT"}, {"飞腾", "FT"}, {"广源", "GY"},
        {"海纳", "HN"}, {"合众", "HZ"}, {"宏图", "HT"}, {"华泰", "HT"}, {"吉祥", "JX"}, {"金鼎", "JD"},
        {"开元", "KY"}, {"利民", "LM"}, {"茂源", "MY"}, {"南星", "NX"}, {"鹏程", "PC"}, {"群英", "QY"},
        {"日升", "RS"}, {"三友", "SY"}, {"四海", "SH"}, {"腾飞", "TF"}, {"同创", "TC"}, {"伟业", "WY"},
        {"鑫源", "XY"}, {"新宇", "XY"}, {"阳光", "YG"}, {"远航", "YH"}, {"长青", "CQ"}, {"致远", "ZY"},
    };
    return list;
}

const QList<TWord>& Trades()
{
    static const QList<TWord> list{
        {"机电设备", "JD"}, {"五金交电", "WJ"}, {"电气", "DQ"},     {"建材", "JC"},     {"贸易", "MY"},
        {"工贸", "GM"},     {"科技", "KJ"},     {"实业", "SY"},     {"电子", "DZ"},     {"商贸", "SM"},
        {"装饰工程", "ZS"}, {"物资", "WZ"},     {"自动化", "ZDH"},  {"机械", "JX"},     {"水电安装", "SD"},
    };
    return list;
}

const QStringList& Roads()
{
    static const QStringList list{U("中山路"), U("人民路"), U("解放路"), U("建设路"), U("长江路"), U("和平路"),
                                  U("新华路"), U("胜利路"), U("工业园路"), U("科技大道"), U("东风路"), U("青年路"),
                                  U("黄河路"), U("文化路"), U("迎宾大道"), U("开发区大道")};
    return list;
}

const QStringList& Surnames()
{
    static const QStringList list = U("王 李 张 刘 陈 杨 黄 赵 吴 周 徐 孙 马 朱 胡 郭 何 林 罗 高 郑 梁 谢 宋 唐 许 韩 冯 邓 曹 彭 曾 肖 田 董 潘 袁 蔡 蒋 余")
                                        .split(u' ');
    return list;
}

const QStringList& GivenNames()
{
    static const QStringList list = U("伟 芳 娜 敏 静 丽 强 磊 军 洋 勇 艳 杰 娟 涛 明 超 秀兰 霞 平 刚 桂英 建华 文 华 建国 "
                                      "红 玉兰 志强 海燕 晓东 丹 鹏 辉 玲 斌 婷 宇 浩 凯 雪 晨 佳 立新 国强 春梅 建平 海涛 小红 志明")
                                        .split(u' ');
    return list;
}

// ---------------------------------------------------------------- goods

struct TLeaf {
    const char* Name;
    const char* Initials;
    const char* Unit;
    double MinCost;
    double MaxCost;
    const char* Specs;  // choices separated by '|'
};

struct TSub {
    const char* Name;
    QList<TLeaf> Leaves;
};

struct TTop {
    const char* Name;
    const char* Prefix;
    QList<TSub> Subs;
};

const QList<TTop>& GoodsTree()
{
    static const QList<TTop> list{
        {"电工电气", "DG",
         {{"开关插座",
           {{"墙壁开关", "QBKG", "个", 4, 25, "86型 一开单控|86型 二开单控|86型 三开双控|86型 一开双控|118型 二开单控"},
            {"五孔插座", "WKCZ", "个", 5, 30, "86型 10A|86型 16A|86型 10A 带开关|86型 10A 带USB"},
            {"移动插座", "YDCZ", "个", 15, 80, "3位 1.8米|4位 3米|6位 5米|8位 3米 带USB"},
            {"防水插座", "FSCZ", "个", 12, 45, "86型 IP54|86型 IP55 16A|146型 IP66"}}},
          {"电线电缆",
           {{"单芯铜线", "DXTX", "卷", 120, 680, "BV 1.5平方 100米|BV 2.5平方 100米|BV 4平方 100米|BV 6平方 100米"},
            {"护套线", "HTX", "卷", 160, 900, "RVV 2×1.0 100米|RVV 3×1.5 100米|RVV 3×2.5 100米|BVVB 2×2.5 100米"},
            {"电力电缆", "DLDL", "米", 12, 160, "YJV 3×4+1×2.5|YJV 3×16+1×10|YJV 4×25+1×16|VV 3×10+2×6"},
            {"网线", "WX", "箱", 180, 650, "超五类 305米|六类 305米|六类屏蔽 305米"}}},
          {"断路器",
           {{"小型断路器", "XXDLQ", "只", 8, 60, "1P C16|1P C32|2P C25|3P C40|3P C63"},
            {"漏电保护器", "LDBHQ", "只", 35, 160, "1P+N C20 30mA|2P C32 30mA|3P+N C40 30mA"},
            {"塑壳断路器", "SKDLQ", "台", 180, 1600, "3P 100A|3P 160A|3P 250A|4P 400A"},
            {"隔离开关", "GLKG", "只", 20, 120, "2P 63A|3P 100A|4P 125A"}}},
          {"照明灯具",
           {{"LED灯泡", "LEDDP", "只", 3, 25, "E27 5W 暖白|E27 9W 正白|E27 15W 正白|E14 5W 暖白"},
            {"LED面板灯", "LEDMBD", "套", 40, 180, "300×300 18W|300×600 24W|600×600 36W|600×1200 48W"},
            {"工矿灯", "GKD", "套", 90, 480, "100W IP65|150W IP65|200W IP65"},
            {"应急灯", "YJD", "套", 25, 120, "双头 3小时|消防标志灯 单面|消防标志灯 双面"}}}}},
        {"五金工具", "WJ",
         {{"手动工具",
           {{"活动扳手", "HDBS", "把", 12, 60, "6寸|8寸|10寸|12寸"},
            {"螺丝刀", "LSD", "把", 3, 25, "一字 6×100|十字 6×150|十字 PH2×100|精密套装 16件"},
            {"钢丝钳", "GSQ", "把", 15, 55, "6寸|7寸|8寸"},
            {"内六角扳手", "NLJBS", "套", 12, 80, "9件套 公制|9件套 英制|球头 9件套"}}},
          {"电动工具",
           {{"电钻", "DZ", "台", 120, 480, "10mm 500W|13mm 710W|锂电 12V|锂电 20V"},
            {"角磨机", "JMJ", "台", 110, 420, "100mm 750W|125mm 900W|150mm 1200W"},
            {"电锤", "DC", "台", 220, 900, "20mm 650W|26mm 800W|28mm 900W 三功能"},
            {"电动螺丝刀", "DDLSD", "台", 90, 350, "锂电 3.6V|锂电 12V|插电 280W"}}},
          {"紧固件",
           {{"六角螺栓", "LJLS", "盒", 15, 90, "M6×20 镀锌 100个|M8×30 镀锌 100个|M10×40 304不锈钢 50个|M12×50 8.8级 50个"},
            {"自攻螺钉", "ZGLD", "盒", 8, 45, "ST3.5×25 1000个|ST4.2×32 500个|ST4.8×50 500个"},
            {"膨胀螺丝", "PZLS", "盒", 20, 120, "M6×60 100套|M8×80 100套|M10×100 50套|M12×120 50套"},
            {"平垫圈", "PDQ", "盒", 5, 30, "M6 镀锌 500个|M8 镀锌 500个|M10 304不锈钢 200个"}}},
          {"测量工具",
           {{"卷尺", "JC", "把", 6, 40, "3米|5米|7.5米|10米"},
            {"游标卡尺", "YBKC", "把", 45, 380, "0-150mm|0-200mm|0-300mm 数显"},
            {"水平尺", "SPC", "把", 15, 90, "300mm|600mm|1000mm 带磁"},
            {"万用表", "WYB", "台", 60, 480, "数字 自动量程|数字 真有效值|钳形 600A"}}}}},
        {"管材管件", "GC",
         {{"PPR管材",
           {{"PPR冷水管", "PPRLSG", "根", 8, 45, "dn20 4米|dn25 4米|dn32 4米|dn40 4米"},
            {"PPR热水管", "PPRRSG", "根", 10, 60, "dn20 4米|dn25 4米|dn32 4米"},
            {"PPR弯头", "PPRWT", "只", 0.6, 6, "dn20 90度|dn25 90度|dn32 45度|dn40 90度"},
            {"PPR三通", "PPRST", "只", 0.8, 8, "dn20 等径|dn25 等径|dn32×25 异径"}}},
          {"PVC管材",
           {{"PVC排水管", "PVCPSG", "根", 12, 90, "dn50 4米|dn75 4米|dn110 4米|dn160 4米"},
            {"PVC线管", "PVCXG", "根", 2, 12, "φ16 3.8米|φ20 3.8米|φ25 3.8米|φ32 3.8米"},
            {"PVC弯头", "PVCWT", "只", 0.5, 8, "dn50 90度|dn75 90度|dn110 45度"},
            {"PVC三通", "PVCST", "只", 1, 12, "dn50 顺水|dn75 顺水|dn110 斜三通"}}},
          {"阀门",
           {{"球阀", "QF", "只", 15, 260, "DN15 铜|DN20 铜|DN25 不锈钢|DN50 不锈钢"},
            {"闸阀", "ZF", "只", 60, 900, "DN50 铸铁|DN80 铸铁|DN100 铸铁|DN150 铸钢"},
            {"止回阀", "ZHF", "只", 25, 480, "DN25 铜|DN50 铸铁|DN80 铸铁"},
            {"蝶阀", "DF", "只", 80, 1200, "DN50 手柄|DN100 蜗轮|DN150 蜗轮|DN200 电动"}}}}},
        {"劳保用品", "LB",
         {{"防护手套",
           {{"棉纱手套", "MSST", "打", 6, 20, "600克|700克|800克 加厚"},
            {"丁腈手套", "DJST", "盒", 18, 60, "M号 100只|L号 100只|XL号 100只"},
            {"防割手套", "FGST", "双", 8, 35, "5级 M号|5级 L号|5级 XL号"}}},
          {"安全防护",
           {{"安全帽", "AQM", "顶", 12, 60, "ABS 白色|ABS 红色|ABS 黄色|玻璃钢 蓝色"},
            {"安全带", "AQD", "条", 45, 220, "单挂钩 半身式|双挂钩 全身式|五点式 全身"},
            {"防护眼镜", "FHYJ", "副", 5, 35, "透明 防冲击|防雾 防刮|焊接 墨绿"},
            {"反光背心", "FGBX", "件", 4, 25, "荧光黄 网布|荧光橙 网布|多口袋 涤纶"}}},
          {"劳保鞋服",
           {{"劳保鞋", "LBX", "双", 45, 180, "防砸防刺 40码|防砸防刺 42码|绝缘 43码|防静电 41码"},
            {"工作服", "GZF", "套", 40, 150, "涤棉 藏青 L|涤棉 藏青 XL|纯棉 灰色 XXL"},
            {"雨衣", "YY", "件", 15, 70, "分体 L|分体 XL|连体 XXL"}}}}},
        {"办公用品", "BG",
         {{"纸品",
           {{"复印纸", "FYZ", "箱", 95, 180, "A4 70克 8包|A4 80克 5包|A3 80克 5包"},
            {"笔记本", "BJB", "本", 2, 18, "A5 60页|B5 80页|A4 100页 皮面"},
            {"便利贴", "BLT", "本", 1, 6, "76×76 100张|76×101 100张|51×76 100张"}}},
          {"书写工具",
           {{"中性笔", "ZXB", "盒", 6, 30, "0.5mm 黑色 12支|0.5mm 蓝色 12支|0.38mm 黑色 12支"},
            {"记号笔", "JHB", "盒", 8, 36, "油性 黑色 10支|油性 红色 10支|双头 黑色 10支"},
            {"白板笔", "BBB", "盒", 10, 40, "黑色 10支|蓝色 10支|红色 10支"}}},
          {"办公设备",
           {{"碎纸机", "SZJ", "台", 180, 1500, "4级保密 12升|5级保密 20升|5级保密 30升"},
            {"计算器", "JSQ", "个", 12, 90, "12位 桌面|12位 语音|科学函数"},
            {"装订机", "ZDJ", "台", 120, 980, "热熔 A4|打孔 50页|财务凭证 电动"}}}}},
        {"清洁用品", "QJ",
         {{"清洁工具",
           {{"拖把", "TB", "把", 8, 45, "棉线 1.2米|平板 360度|胶棉 对折"},
            {"扫帚", "SZ", "把", 5, 25, "塑料 软毛|竹制 户外|套装 带簸箕"},
            {"垃圾桶", "LJT", "个", 8, 160, "10升 摇盖|30升 脚踏|120升 挂车|240升 挂车"}}},
          {"清洁剂",
           {{"洗洁精", "XJJ", "桶", 15, 60, "5公斤|10公斤|20公斤"},
            {"消毒液", "XDY", "桶", 18, 90, "84消毒液 5公斤|含氯 10公斤|季铵盐 5公斤"},
            {"玻璃清洁剂", "BLQJJ", "瓶", 6, 25, "500毫升|1升|4升"}}}}},
        {"电子元件", "DZ",
         {{"电阻电容",
           {{"贴片电阻", "TPDZ", "盘", 8, 35, "0603 10K 1%|0805 1K 1%|1206 100R 5%|0402 4.7K 1%"},
            {"电解电容", "DJDR", "包", 6, 45, "100uF 25V 100只|470uF 35V 50只|1000uF 16V 50只"},
            {"瓷片电容", "CPDR", "包", 3, 20, "104 50V 1000只|103 1KV 500只|222 2KV 500只"}}},
          {"连接器",
           {{"接线端子", "JXDZ", "包", 8, 60, "UK2.5N 100只|UK6N 50只|KF301 2P 100只"},
            {"排针", "PZ", "包", 4, 25, "2.54 单排40P 50条|2.54 双排40P 20条|2.0 单排40P 50条"},
            {"USB连接器", "USBLJQ", "包", 6, 45, "A母 卧式 100只|Micro 5P 100只|Type-C 16P 100只"}}},
          {"半导体",
           {{"二极管", "EJG", "包", 3, 30, "1N4007 1000只|1N5819 500只|FR107 1000只"},
            {"三极管", "SJG", "包", 5, 40, "S8050 1000只|S8550 1000只|2N2222 500只"},
            {"稳压芯片", "WYXP", "包", 12, 120, "7805 TO-220 50只|AMS1117-3.3 100只|LM317 50只"}}}}},
        {"机电设备", "JD",
         {{"电机",
           {{"三相异步电机", "SXYBDJ", "台", 650, 6800, "YE3-90L-4 1.5kW|YE3-112M-4 4kW|YE3-160M-4 11kW|YE3-180L-4 22kW"},
            {"单相电机", "DXDJ", "台", 280, 1200, "YL90S-2 1.1kW|YL100L-4 2.2kW|YC90L-4 1.1kW"},
            {"减速电机", "JSDJ", "台", 480, 3800, "RV50 比60 0.37kW|RV63 比30 0.75kW|R57 1.5kW"}}},
          {"水泵",
           {{"离心泵", "LXB", "台", 900, 6500, "ISG50-160 3kW|ISG65-200 7.5kW|ISG80-160 7.5kW"},
            {"潜水泵", "QSB", "台", 260, 2800, "QDX1.5-16 0.37kW|WQ15-15 1.5kW|WQ40-15 4kW"},
            {"管道泵", "GDB", "台", 320, 3200, "IRG25-125 0.75kW|IRG40-160 2.2kW|IRG50-200 5.5kW"}}},
          {"风机",
           {{"轴流风机", "ZLFJ", "台", 280, 2600, "T35-11 4号 0.37kW|T35-11 5号 0.75kW|T35-11 6号 1.1kW"},
            {"离心风机", "LXFJ", "台", 850, 7800, "4-72 3.6A 3kW|4-72 4.5A 5.5kW|9-19 5A 7.5kW"},
            {"排气扇", "PQS", "台", 45, 260, "8寸 方形|10寸 圆形|12寸 百叶窗式"}}}}},
    };
    return list;
}

const QList<TWord>& Brands()
{
    static const QList<TWord> list{
        {"华龙", "HL"}, {"正扬", "ZY"}, {"德川", "DC"}, {"天力", "TL"}, {"巨力", "JL"}, {"钢盾", "GD"},
        {"世工", "SG"}, {"锐奇", "RQ"}, {"金象", "JX"}, {"飞鹰", "FY"}, {"雪松", "XS"}, {"蓝鲸", "LJ"},
        {"海燕", "HY"}, {"东升", "DS"}, {"宏光", "HG"}, {"鼎盛", "DS"}, {"精诚", "JC"}, {"远东", "YD"},
    };
    return list;
}

QString Digits(TDemoRandom& r, int n)
{
    QString s;
    for (int i = 0; i < n; ++i) s += QChar(u'0' + r.Int(i == 0 ? 1 : 0, 9));
    return s;
}

QString Ean13(TDemoRandom& r)
{
    QString s = QStringLiteral("69") + Digits(r, 10);
    int sum = 0;
    for (int i = 0; i < 12; ++i) sum += (s.at(i).unicode() - u'0') * (i % 2 ? 3 : 1);
    return s + QChar(u'0' + (10 - sum % 10) % 10);
}

void AddNode(RTreeClasses& nodes, QList<int>& parents, const QString& name, int parent)
{
    RTreeClass c;
    c.Name = name;
    nodes.append(c);
    parents.append(parent);
}

}  // namespace

QString DemoCatalog::PersonName(TDemoRandom& random)
{
    return random.Pick(Surnames()) + random.Pick(GivenNames());
}

TDemoMasters DemoCatalog::Build(quint32 seed, int clientCount, int goodsCount, const QDate& from, const QDate& end)
{
    TDemoRandom random(seed);
    TDemoMasters m;

    // Staff: three sales departments of four salesmen each, and the office.
    TDemoRandom staffRandom = random.Fork(1);
    const QStringList deptNames{U("销售一部"), U("销售二部"), U("销售三部"), U("市场部"), U("财务部"), U("行政部")};
    QSet<QString> people;
    auto newPerson = [&](TDemoRandom& r) {
        QString name;
        do name = PersonName(r);
        while (people.contains(name));
        people.insert(name);
        return name;
    };
    for (int i = 0; i < 30; ++i) {
        REmployee e;
        e.Name = newPerson(staffRandom);
        e.Sex = staffRandom.Chance(0.55) ? U("男") : U("女");
        e.Tel = QStringLiteral("13") + Digits(staffRandom, 9);
        e.Addr = U("南京市") + staffRandom.Pick(Roads()) + QString::number(staffRandom.Int(1, 300)) + U("号");
        m.Employees.append(e);
    }
    for (int d = 0; d < deptNames.size(); ++d) {
        RDept dept;
        dept.Name = deptNames.at(d);
        dept.Mgr = m.Employees.at(d * 4).Name;
        dept.Tel = QStringLiteral("025-8") + Digits(staffRandom, 7);
        dept.Addr = U("公司本部");
        m.Depts.append(dept);
    }
    for (int s = 0; s < 12; ++s) {
        m.Salesmen.append(s);
        m.SalemanDept.append(s / 4);
        m.Employees[s].Note = m.Depts.at(s / 4).Name + U("业务员");
    }
    for (const char* h : {"总仓库", "南京分仓", "上海分仓", "广州分仓"}) {
        RHouse house;
        house.Name = U(h);
        house.Mgr = newPerson(staffRandom);
        house.Tel = QStringLiteral("025-5") + Digits(staffRandom, 7);
        m.Houses.append(house);
    }
    const QList<QPair<const char*, double>> units{{"个", 1}, {"只", 1}, {"台", 1}, {"套", 1}, {"件", 1},
                                                  {"盒", 10}, {"箱", 50}, {"包", 100}, {"卷", 100}, {"米", 1}};
    for (const auto& u : units) {
        RUnit unit;
        unit.Name = U(u.first);
        unit.Rate = u.second;
        m.Units.append(unit);
    }
    for (const char* b : {"现金", "工行基本户", "建行一般户", "农行结算户", "支付宝"}) {
        RBank bank;
        bank.Name = U(b);
        m.Banks.append(bank);
    }
    for (const char* s : {"运费", "包装费", "安装调试费", "技术服务费", "违约金", "代垫款"}) {
        RShldinItem item;
        item.Name = U(s);
        m.ShldinItems.append(item);
    }
    for (const char* o : {"差旅费", "运输费", "业务招待费", "办公费", "广告宣传费", "通讯费", "房租水电", "工资福利"}) {
        ROutlayItem item;
        item.Name = U(o);
        m.OutlayItems.append(item);
    }
    m.Carriers = QStringList{U("自提"), U("送货上门"), U("中国邮政"), U("德邦物流"), U("顺丰速运"), U("中通快递")};

    // Districts: provinces and their cities.
    QList<int> cityNodes;
    QList<const TCity*> cityOf;
    for (const TProvince& p : Provinces()) {
        const int pi = int(m.Districts.size());
        AddNode(m.Districts, m.DistrictParents, U(p.Name), -1);
        for (const TCity& c : p.Cities) {
            cityNodes.append(int(m.Districts.size()));
            cityOf.append(&c);
            AddNode(m.Districts, m.DistrictParents, U(c.Name), pi);
        }
    }
    NumberClasses(m.Districts, m.DistrictParents);

    // Goods classes, and the goods spread over the leaves.
    QList<int> leafNodes;
    QList<const TLeaf*> leafOf;
    QList<int> leafTop;
    QList<QString> leafCode;
    const QList<TTop>& tree = GoodsTree();
    for (int t = 0; t < tree.size(); ++t) {
        const int ti = int(m.Classes.size());
        AddNode(m.Classes, m.ClassParents, U(tree.at(t).Name), -1);
        for (int s = 0; s < tree.at(t).Subs.size(); ++s) {
            const TSub& sub = tree.at(t).Subs.at(s);
            const int si = int(m.Classes.size());
            AddNode(m.Classes, m.ClassParents, U(sub.Name), ti);
            for (int l = 0; l < sub.Leaves.size(); ++l) {
                leafNodes.append(int(m.Classes.size()));
                leafOf.append(&sub.Leaves.at(l));
                leafTop.append(t);
                leafCode.append(QStringLiteral("%1%2%3").arg(QString::fromLatin1(tree.at(t).Prefix)).arg(s + 1, 2, 10, QChar(u'0')).arg(l + 1, 2, 10, QChar(u'0')));
                AddNode(m.Classes, m.ClassParents, U(sub.Leaves.at(l).Name), si);
            }
        }
    }
    NumberClasses(m.Classes, m.ClassParents);

    TDemoRandom wareRandom = random.Fork(2);
    const int leaves = int(leafNodes.size());
    const QStringList packages{U("纸箱"), U("彩盒"), U("袋装"), U("散装"), U("托盘"), U("吸塑")};
    m.TopWares.resize(tree.size());
    for (int t = 0; t < tree.size(); ++t) m.TopWares[t] = {-1, 0};
    for (int l = 0; l < leaves; ++l) {
        const TLeaf& leaf = *leafOf.at(l);
        const QStringList models = U(leaf.Specs).split(u'|');
        const int count = goodsCount / leaves + (l < goodsCount % leaves ? 1 : 0);
        const int top = leafTop.at(l);
        if (m.TopWares[top].first < 0) m.TopWares[top].first = int(m.Wares.size());
        m.TopWares[top].second += count;
        for (int k = 0; k < qMax(count, 0); ++k) {
            TDemoWare w;
            w.ClassNode = leafNodes.at(l);
            w.Top = top;
            RWare& r = w.Rec;
            const TWord& brand = Brands().at((top * 5 + wareRandom.Int(0, 5)) % Brands().size());
            const QString model = models.at(k % models.size());
            r.Code = leafCode.at(l) + QStringLiteral("-%1").arg(k + 1, 4, 10, QChar(u'0'));
            r.Name = U(leaf.Name);
            // Beyond the listed models, goods differ by the maker's model number.
            r.PartNo = k < models.size() ? model : model + QStringLiteral(" %1-%2").arg(QString::fromLatin1(brand.Initials)).arg(100 + k);
            r.Brand = U(brand.Text);
            r.LookId = QString::fromLatin1(leaf.Initials);
            r.Package = wareRandom.Pick(packages);
            r.Barcode = Ean13(wareRandom);
            r.Unit = U(leaf.Unit);
            const double cost = leaf.MinCost + (leaf.MaxCost - leaf.MinCost) * wareRandom.Real();
            r.CostPrice = Numbers::RoundTo(cost, 2);
            r.InPrice = r.CostPrice;
            r.InnerPrice = Numbers::RoundTo(cost * 1.08, 2);
            r.SalePrice1 = Numbers::RoundTo(cost * (1.25 + 0.25 * wareRandom.Real()), 2);
            r.SalePrice2 = Numbers::RoundTo(*r.SalePrice1 * 0.95, 2);
            r.SalePrice3 = Numbers::RoundTo(*r.SalePrice1 * 0.9, 2);
            r.OutPrice = r.SalePrice1;
            r.ProfitRate = wareRandom.Int(2, 8);
            r.MinQty = double(wareRandom.Int(1, 5) * 10);
            r.MaxQty = *r.MinQty * 10;
            r.Location = QStringLiteral("%1-%2-%3").arg(QChar(u'A' + top)).arg(wareRandom.Int(1, 20), 2, 10, QChar(u'0')).arg(wareRandom.Int(1, 5));
            m.Wares.append(w);
        }
    }

    // Clients: companies in the cities, each served by one salesman.
    TDemoRandom clientRandom = random.Fork(3);
    QSet<QString> names;
    const int days = qMax(1, int(from.daysTo(end)));
    for (int i = 0; i < clientCount; ++i) {
        TDemoClient c;
        const int ci = clientRandom.Skewed(int(cityNodes.size()), 1.6);
        const TCity& city = *cityOf.at(ci);
        c.DistrictNode = cityNodes.at(ci);
        QString name;
        TWord trade{}, trading{};
        QString suffix;
        do {
            trade = clientRandom.Pick(TradeNames());
            trading = clientRandom.Pick(Trades());
            const double s = clientRandom.Real();
            suffix = s < 0.75 ? U("有限公司") : s < 0.88 ? U("有限责任公司") : s < 0.95 ? U("经营部") : U("商行");
            name = U(city.Short) + U(trade.Text) + U(trading.Text) + suffix;
        } while (names.contains(name));
        names.insert(name);
        RClient& r = c.Rec;
        r.Name = name;
        r.LookId = QString::fromLatin1(city.Initials) + QString::fromLatin1(trade.Initials) + QString::fromLatin1(trading.Initials);
        r.Linkman = PersonName(clientRandom);
        r.Lawman = PersonName(clientRandom);
        r.Tel = QString::fromLatin1(city.AreaCode) + u'-' + Digits(clientRandom, 8);
        r.Fax = clientRandom.Chance(0.6) ? QString::fromLatin1(city.AreaCode) + u'-' + Digits(clientRandom, 8) : QString();
        const bool district = QByteArray(city.Name).endsWith("区");
        r.Addr = (district ? U(city.Short) + U("市") + U(city.Name) : U(city.Name)) + clientRandom.Pick(Roads()) +
                 QString::number(clientRandom.Int(1, 999)) + U("号");
        r.Zip = QString::fromLatin1(city.Zip);
        r.Email = r.LookId.toLower() + QString::number(clientRandom.Int(1, 99)) + (clientRandom.Chance(0.5) ? QStringLiteral("@163.com") : QStringLiteral("@qq.com"));
        r.Url = clientRandom.Chance(0.3) ? QStringLiteral("www.") + r.LookId.toLower() + QStringLiteral(".com.cn") : QString();
        r.TaxId = QStringLiteral("91") + QString::fromLatin1(city.Zip).left(4) + QStringLiteral("00") + Digits(clientRandom, 9) + QChar(u'A' + clientRandom.Int(0, 25));
        r.Bank = (clientRandom.Chance(0.5) ? U("中国工商银行") : clientRandom.Chance(0.5) ? U("中国建设银行") : U("中国农业银行")) + U(city.Short) + U("分行");
        r.BankId = QStringLiteral("62") + Digits(clientRandom, 17);
        c.Saleman = (ci * 5 + clientRandom.Int(0, 3)) % int(m.Salesmen.size());
        c.Weight = 1.0 / std::pow(double(i % 97 + 3), 0.9) * (0.5 + clientRandom.Real());
        // A third of the clients were there from the start; the others came over the years.
        c.Since = clientRandom.Chance(0.35) ? from : from.addDays(clientRandom.Int(0, days * 9 / 10));
        c.WantsInvoices = clientRandom.Chance(0.6);
        const int tops = int(tree.size());
        const int first = clientRandom.Int(0, tops - 1);
        c.Tops.append(first);
        for (int k = clientRandom.Int(1, 3); k > 0; --k) {
            const int t = clientRandom.Int(0, tops - 1);
            if (!c.Tops.contains(t)) c.Tops.append(t);
        }
        m.Clients.append(c);
    }
    return m;
}
