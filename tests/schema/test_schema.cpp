#include "Errors.h"
#include "Labels.h"
#include "Operator.h"
#include "SchemaFixture.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

int Count(TDatabase& db, const QString& sql, const TDBParameters& params = {})
{
    QSqlQuery q = db.Select(sql, params);
    return q.next() ? q.value(0).toInt() : -1;
}

QVariant Value(TDatabase& db, const QString& sql, const TDBParameters& params = {})
{
    QSqlQuery q = db.Select(sql, params);
    return q.next() ? q.value(0) : QVariant();
}

QStringList Column(TDatabase& db, const QString& sql)
{
    QStringList values;
    QSqlQuery q = db.Select(sql, {});
    while (q.next()) values << q.value(0).toString();
    return values;
}

const QStringList& AllTables()
{
    static const QStringList tables{
        // documents
        QStringLiteral("sale"), QStringLiteral("saledl"), QStringLiteral("slorderfrm"), QStringLiteral("slorderfrmdl"),
        QStringLiteral("slordercom"), QStringLiteral("slorderfrmtype"), QStringLiteral("saletype"),
        QStringLiteral("slquotfrm"), QStringLiteral("slquotfrmdl"), QStringLiteral("receipt"), QStringLiteral("receiptdl"),
        QStringLiteral("slinvfrm"), QStringLiteral("slinvfrmdl"), QStringLiteral("shouldin"), QStringLiteral("outlay"),
        QStringLiteral("slplanfrm"), QStringLiteral("slplanfrmdl"),
        // master data
        QStringLiteral("ware"), QStringLiteral("wareclass"), QStringLiteral("Client"), QStringLiteral("districts"),
        QStringLiteral("employee"), QStringLiteral("departments"), QStringLiteral("warehouse"), QStringLiteral("unit"),
        QStringLiteral("fn_bank"), QStringLiteral("shouldin_item"), QStringLiteral("outlay_item"), QStringLiteral("costing"),
        // system
        QStringLiteral("[operator]"), QStringLiteral("keyvalue"), QStringLiteral("options"), QStringLiteral("syscols"),
        QStringLiteral("Company"), QStringLiteral("report"), QStringLiteral("link"), QStringLiteral("[backup]"),
        QStringLiteral("schema_version"),
        // purchasing and warehouse documents
        QStringLiteral("paymentdl"), QStringLiteral("payment"), QStringLiteral("buinvfrmdl"), QStringLiteral("buinvfrm"),
        QStringLiteral("buqualifrmdl"), QStringLiteral("buqualifrm"), QStringLiteral("buydl"), QStringLiteral("buy"),
        QStringLiteral("buordercom"), QStringLiteral("buorderfrmdl"), QStringLiteral("buorderfrm"),
        QStringLiteral("buinquiryfrmdl"), QStringLiteral("buinquiryfrm"), QStringLiteral("buappcom"),
        QStringLiteral("buappfrmdl"), QStringLiteral("buappfrm"), QStringLiteral("buplancom"),
        QStringLiteral("buplanfrmdl"), QStringLiteral("buplanfrm"), QStringLiteral("shouldout"), QStringLiteral("carrydl"),
        QStringLiteral("carry"), QStringLiteral("putindl"), QStringLiteral("putin"), QStringLiteral("takeoutdl"),
        QStringLiteral("takeout"), QStringLiteral("movedl"), QStringLiteral("move"), QStringLiteral("regulatedl"),
        QStringLiteral("regulate")};
    return tables;
}

}  // namespace

class Schema : public SchemaTest {};
MQ_BOTH_ENGINES(Schema);

TEST_P(Schema, NewDatabaseHoldsEveryTableAndTheSeedRows)
{
    EXPECT_EQ(TSchema::Version(Db()), TSchema::CurrentVersion());
    EXPECT_GE(TSchema::CurrentVersion(), 1);
    for (const QString& table : AllTables())
        EXPECT_NO_THROW(Count(Db(), QStringLiteral("select count(*) from ") + table)) << table.toStdString();

    // sa logs in with the empty password, which is then stored as a hash.
    TOperator sa;
    sa.LoadOperator(QStringLiteral("sa"));
    EXPECT_EQ(sa.Name, QStringLiteral("系统管理员"));
    EXPECT_TRUE(sa.CheckPassword(QString()));
    EXPECT_TRUE(PasswordHash::IsHash(Value(Db(), QStringLiteral("select [Password] from [operator] where LoginId='sa'")).toString()));

    EXPECT_EQ(Count(Db(), QStringLiteral("select count(*) from Company")), 1);
    EXPECT_EQ(Count(Db(), QStringLiteral("select count(*) from [backup] where TypeId=0")), 1);
    EXPECT_EQ(Column(Db(), QStringLiteral("select Name from saletype order by Id")),
              QStringList({QStringLiteral("销售"), QStringLiteral("退货")}));
    EXPECT_EQ(Column(Db(), QStringLiteral("select Sign from saletype order by Id")),
              QStringList({QStringLiteral("1"), QStringLiteral("-1")}));
    EXPECT_EQ(Count(Db(), QStringLiteral("select count(*) from slorderfrmtype where Id=1")), 1);

    EXPECT_EQ(Count(Db(), QStringLiteral("select Vint from keyvalue where KeyId=6")), 2);
    EXPECT_EQ(Count(Db(), QStringLiteral("select Vint from keyvalue where KeyId=7")), 2);
    // The stored caption list is the built-in one, so a new database shows the usual captions.
    EXPECT_EQ(Value(Db(), QStringLiteral("select Vstr from keyvalue where KeyId=37")).toString(), TCaptions::BuiltInText());

    EXPECT_EQ(Column(Db(), QStringLiteral("select [Key] from options order by [Key]")),
              QStringList({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    const QString units = Value(Db(), QStringLiteral("select [List] from options where [Key]=0")).toString();
    EXPECT_TRUE(units.split(u'\n').contains(QStringLiteral("千克"))) << units.toStdString();
    EXPECT_FALSE(Value(Db(), QStringLiteral("select [List] from options where [Key]=2")).toString().isEmpty());
}

TEST_P(Schema, RunningAgainOnACurrentDatabaseChangesNothing)
{
    Db().Execute(QStringLiteral("insert into unit(Id, Name, Rate) values (1, '箱', 12)"));
    const quint64 before = Db().StatementCount();
    TSchema::CreateOrUpgrade(Db());
    EXPECT_LE(Db().StatementCount() - before, 3u);  // reads the version, nothing else
    EXPECT_EQ(Count(Db(), QStringLiteral("select count(*) from unit")), 1);
    EXPECT_EQ(Count(Db(), QStringLiteral("select count(*) from schema_version")), TSchema::CurrentVersion());
}

TEST_P(Schema, RefusesADatabaseOfANewerProgram)
{
    Db().Execute(QStringLiteral("insert into schema_version(Version) values (:V)"),
                 {DBParam(QStringLiteral("V"), TSchema::CurrentVersion() + 1)});
    try {
        TSchema::CreateOrUpgrade(Db());
        FAIL() << "a newer database was accepted";
    } catch (const EMqError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("新"))) << e.Message().toStdString();
    }
}

// Master rows that documents use cannot be deleted; once unused they can.
TEST_P(Schema, DocumentsKeepTheirMasterRows)
{
    TDatabase& db = Db();
    const QStringList setup{
        QStringLiteral("insert into employee(Id, Name) values (1, '张三')"),
        QStringLiteral("insert into departments(Id, Name) values (1, '销售部')"),
        QStringLiteral("insert into districts(Id, Code, Name) values (1, '1.', '华东')"),
        QStringLiteral("insert into Client(Id, Name, DistrictId) values (1, '甲公司', 1)"),
        QStringLiteral("insert into wareclass(Id, Code, Name) values (1, '1.', '电子')"),
        QStringLiteral("insert into ware(Id, ClassId, Code, Name) values (1, 1, 'A01', '电阻')"),
        QStringLiteral("insert into fn_bank(Id, Name) values (1, '现金')"),
        QStringLiteral("insert into shouldin_item(Id, Name) values (1, '押金')"),
        QStringLiteral("insert into outlay_item(Id, Name) values (1, '运费')"),
        QStringLiteral("insert into sale(Id, Code, ClientId, SalemanId, DeptId, TypeId) values (1, 'CG13010001', 1, 1, 1, 1)"),
        QStringLiteral("insert into saledl(dlId, MastId, WareId, Qty) values (1, 1, 1, 2)"),
        QStringLiteral("insert into saledl(dlId, MastId, WareId, Qty) values (2, 1, 1, 3)"),
        QStringLiteral("insert into receipt(Id, Code, ClientId, BankId, HandmanId) values (1, 'FK13010001', 1, 1, 1)"),
        QStringLiteral("insert into receiptdl(dlId, MastId, SaleId, SaleCode) values (1, 1, 1, 'CG13010001')"),
        QStringLiteral("insert into slinvfrm(Id, Code, ClientId, HandmanId) values (1, 'IV13010001', 1, 1)"),
        QStringLiteral("insert into slinvfrmdl(dlId, MastId, SaledlId) values (1, 1, 1)"),
        QStringLiteral("insert into shouldin(Id, Code, ClientId, ItemId) values (1, 'YS13010001', 1, 1)"),
        QStringLiteral("insert into outlay(Id, Code, ItemId) values (1, 'FY13010001', 1)"),
        // an order saved without a type stores -1
        QStringLiteral("insert into slorderfrm(Id, Code, ClientId, TypeId) values (1, 'CD13010001', 1, -1)"),
        QStringLiteral("insert into slorderfrm(Id, Code, ClientId, TypeId) values (2, 'CD13010002', 1, 2)"),
    };
    for (const QString& sql : setup) ASSERT_NO_THROW(db.Execute(sql)) << sql.toStdString();

    struct Refusal {
        const char* Delete;
        const char* Release;  // makes the row unused
    };
    const Refusal refusals[] = {
        {"delete from employee where Id=1", "update sale set SalemanId=null; update receipt set HandmanId=null; update slinvfrm set HandmanId=null"},
        {"delete from departments where Id=1", "update sale set DeptId=null"},
        {"delete from saletype where Id=1", "update sale set TypeId=2"},
        {"delete from slorderfrmtype where Id=2", "update slorderfrm set TypeId=1"},
        {"delete from fn_bank where Id=1", "update receipt set BankId=null"},
        {"delete from shouldin_item where Id=1", "delete from shouldin"},
        {"delete from outlay_item where Id=1", "delete from outlay"},
        {"delete from districts where Id=1", "update Client set DistrictId=null"},
        {"delete from wareclass where Id=1", "update ware set ClassId=null"},
        {"delete from saledl where dlId=1", "delete from slinvfrmdl"},
        {"delete from ware where Id=1", "delete from saledl"},
        {"delete from sale where Id=1", "delete from receiptdl"},
        {"delete from Client where Id=1", "delete from sale; delete from receipt; delete from slinvfrm; delete from slorderfrm"},
    };
    for (const Refusal& r : refusals) {
        const QString del = QString::fromUtf8(r.Delete);
        EXPECT_THROW(db.Execute(del), EDatabaseError) << r.Delete;
        for (const QString& release : QString::fromUtf8(r.Release).split(u';')) db.Execute(release.trimmed());
        EXPECT_EQ(db.Execute(del), 1) << r.Delete;
    }
}

TEST_P(Schema, LinesGoWithTheirHeaderAndLinksToEmployeesAreCleared)
{
    TDatabase& db = Db();
    db.Execute(QStringLiteral("insert into employee(Id, Name) values (1, '李四')"));
    db.Execute(QStringLiteral("insert into [operator](LoginId, EmployeeId) values ('li', 1)"));
    db.Execute(QStringLiteral("insert into wareclass(Id, Code, Name, BuymanId) values (1, '1.', '五金', 1)"));
    db.Execute(QStringLiteral("insert into ware(Id, Name) values (1, '螺丝')"));
    db.Execute(QStringLiteral("insert into slorderfrm(Id, Code) values (1, 'CD13010001')"));
    db.Execute(QStringLiteral("insert into slorderfrmdl(dlId, MastId, WareId) values (7, 1, 1)"));
    db.Execute(QStringLiteral("insert into slordercom(OrdlId) values (7)"));

    EXPECT_EQ(db.Execute(QStringLiteral("delete from employee where Id=1")), 1);
    EXPECT_TRUE(Value(db, QStringLiteral("select EmployeeId from [operator] where LoginId='li'")).isNull());
    EXPECT_TRUE(Value(db, QStringLiteral("select BuymanId from wareclass where Id=1")).isNull());

    // A stop mark goes with its order line, so a new line with the same dlId starts unstopped.
    EXPECT_EQ(db.Execute(QStringLiteral("delete from slorderfrm where Id=1")), 1);
    EXPECT_EQ(Count(db, QStringLiteral("select count(*) from slorderfrmdl")), 0);
    EXPECT_EQ(Count(db, QStringLiteral("select count(*) from slordercom")), 0);
}

TEST_P(Schema, KeysAreNeverAssignedByTheDatabase)
{
    EXPECT_THROW(Db().Execute(QStringLiteral("insert into unit(Name) values ('个')")), EDatabaseError);
    EXPECT_THROW(Db().Execute(QStringLiteral("insert into saledl(MastId) values (1)")), EDatabaseError);
    // The tools menu is the one table that numbers its rows.
    Db().Execute(QStringLiteral("insert into link(GroupId, Title) values (0, '记事本')"));
    Db().Execute(QStringLiteral("insert into link(GroupId, Title) values (0, '计算器')"));
    EXPECT_EQ(Column(Db(), QStringLiteral("select Id from link order by Id")),
              QStringList({QStringLiteral("1"), QStringLiteral("2")}));
}

TEST_P(Schema, NamesSortInPinyinOrderAndStillCompareExactly)
{
    const QStringList names{QStringLiteral("张三"), QStringLiteral("李四"), QStringLiteral("王五"),
                            QStringLiteral("阿明"), QStringLiteral("陈二")};
    for (int i = 0; i < names.size(); ++i)
        Db().Execute(QStringLiteral("insert into Client(Id, Name) values (:Id, :Name)"),
                     {DBParam(QStringLiteral("Id"), i + 1), DBParam(QStringLiteral("Name"), names[i])});
    EXPECT_EQ(Column(Db(), QStringLiteral("select Name from Client order by Name")),
              QStringList({QStringLiteral("阿明"), QStringLiteral("陈二"), QStringLiteral("李四"), QStringLiteral("王五"),
                           QStringLiteral("张三")}));
    EXPECT_EQ(Count(Db(), QStringLiteral("select count(*) from Client where Name=:N"),
                    {DBParam(QStringLiteral("N"), QStringLiteral("李四"))}),
              1);
    EXPECT_EQ(Count(Db(), QStringLiteral("select count(*) from Client where Name like '%四%'")), 1);
    EXPECT_EQ(Count(Db(), QStringLiteral("select count(*) from Client where Name like '李%'")), 1);
}

class EmptyDatabase : public DbTest {};
MQ_BOTH_ENGINES(EmptyDatabase);

TEST_P(EmptyDatabase, VersionZeroThenCreated)
{
    EXPECT_EQ(TSchema::Version(Db()), 0);
    TSchema::CreateOrUpgrade(Db());
    EXPECT_EQ(TSchema::Version(Db()), TSchema::CurrentVersion());
}

TEST_P(EmptyDatabase, RefusesADatabaseHoldingOtherTables)
{
    Db().Execute(QStringLiteral("create table invoices (n integer)"));
    EXPECT_THROW(TSchema::CreateOrUpgrade(Db()), EMqError);
    EXPECT_EQ(TSchema::Version(Db()), 0);
    EXPECT_EQ(Count(Db(), QStringLiteral("select count(*) from invoices")), 0);
}

TEST_P(Schema, PrintTemplatesListedInAnIndexAreAddedOnce)
{
    QTemporaryDir dir;
    QFile index(dir.filePath(QStringLiteral("index.txt")));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write(QStringLiteral("# Id\tgroup\ttitle\tfile\n1001\t1\t发货单\tsale.tpl\n\n1002\t5\t收款单\n").toUtf8());
    index.close();
    QFile tpl(dir.filePath(QStringLiteral("sale.tpl")));
    ASSERT_TRUE(tpl.open(QIODevice::WriteOnly));
    tpl.write("\x01\x02template");
    tpl.close();

    EXPECT_EQ(TSchema::SeedPrintTemplates(Db(), dir.path()), 2);
    EXPECT_EQ(TSchema::SeedPrintTemplates(Db(), dir.path()), 0);  // already there
    EXPECT_EQ(Column(Db(), QStringLiteral("select Title from report where GrpId=1")), QStringList{QStringLiteral("发货单")});
    EXPECT_EQ(Value(Db(), QStringLiteral("select Fr3File from report where Id=1001")).toByteArray(),
              QByteArray("\x01\x02template"));
    EXPECT_EQ(TSchema::SeedPrintTemplates(Db(), dir.filePath(QStringLiteral("none"))), 0);

    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("abc\t1\n");
    index.close();
    EXPECT_THROW(TSchema::SeedPrintTemplates(Db(), dir.path()), EMqError);
}
