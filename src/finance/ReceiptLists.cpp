#include "ReceiptLists.h"

#include "FnColumns.h"
#include "MqLib.h"
#include "Nullable.h"

// --- TReceiptWhere -----------------------------------------------------------------------------

TReceiptWhere::TReceiptWhere(QObject* parent) : TCustomWhere(parent)
{
    BillIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("BillId"), 0, false, QString());
    BizDate1Fld = AddFieldDef(TFieldType::DateTime, QStringLiteral("BizDate1"), 0, true, QString());
    BizDate2Fld = AddFieldDef(TFieldType::DateTime, QStringLiteral("BizDate2"), 0, true, QString());
    Reset();
}

TCriteria TReceiptWhere::Criteria()
{
    UpdateRecord();
    TCriteria c;
    c.IdNotNull(QStringLiteral("m.Id"), BillIdFld->Value());
    FnColumns::Period(c, QStringLiteral("m.BizDate"), BizDate1Fld->Value(), BizDate2Fld->Value());
    return c;
}

// --- TReceiptSet -------------------------------------------------------------------------------

TReceiptSet::TReceiptSet(QObject* parent) : TRecordSet(parent), Where(new TReceiptWhere(this))
{
    IdFld = AddField(TFieldType::Integer, QStringLiteral("Id"), -1, true, QStringLiteral("Id"));
    CodeFld = AddField(TFieldType::String, QStringLiteral("Code"), 20, true, QStringLiteral("单号"));
    BizDateFld = AddField(TFieldType::DateTime, QStringLiteral("BizDate"), -1, true, QStringLiteral("日期"));
    ClientIdFld = AddField(TFieldType::Integer, QStringLiteral("ClientId"), -1, false);
    ClientNameFld = AddField(TFieldType::String, QStringLiteral("ClientName"), 50, true, QStringLiteral("付款单位"));
    PrefundFld = AddField(TFieldType::Float, QStringLiteral("Prefund"), -1, true, QStringLiteral("预收"));
    OtherFundFld = AddField(TFieldType::Float, QStringLiteral("OtherFund"), -1, true, QStringLiteral("其他"));
    RecFundFld = AddField(TFieldType::Float, QStringLiteral("PayFund"), -1, true, QStringLiteral("收到合计"));
    DisFundFld = AddField(TFieldType::Float, QStringLiteral("DisFund"), -1, true, QStringLiteral("折扣合计"));
    TotalFundCalcFld = AddField(TFieldType::Currency, QStringLiteral("TotalFundCalc"), -1, true, QStringLiteral("合计"));
    SignFld = AddField(TFieldType::Integer, QStringLiteral("Sign"), -1, true, QStringLiteral("方向"));
    BankIdFld = AddField(TFieldType::Integer, QStringLiteral("BankId"), -1, false);
    BankNameFld = AddField(TFieldType::String, QStringLiteral("BankName"), 50, true, QStringLiteral("账户"));
    HandmanIdFld = AddField(TFieldType::Integer, QStringLiteral("HandmanId"), -1, false);
    HandmanNameFld = AddField(TFieldType::String, QStringLiteral("HandmanName"), 30, true, QStringLiteral("经手人"));
    DeptIdFld = AddField(TFieldType::Integer, QStringLiteral("DeptId"), -1, false);
    DeptNameFld = AddField(TFieldType::String, QStringLiteral("DeptName"), 30, true, QStringLiteral("部门"));
    BillmanFld = AddField(TFieldType::String, QStringLiteral("Billman"), 20, true, QStringLiteral("制单人"));
    BillTimeFld = AddField(TFieldType::DateTime, QStringLiteral("BillTime"), -1, true, QStringLiteral("制单时间"));
    CheckmanFld = AddField(TFieldType::String, QStringLiteral("Checkman"), 20, true, QStringLiteral("审核人"));
    CheckTimeFld = AddField(TFieldType::DateTime, QStringLiteral("CheckTime"), -1, true, QStringLiteral("审核时间"));
    NoteFld = AddField(TFieldType::String, QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
    TotalFundCnCalcFld = AddField(TFieldType::String, QStringLiteral("TotalFundCnCalc"), 50, false, QStringLiteral("金额(大写)"));
}

int TReceiptSet::OpenList()
{
    const int n = Open(QStringLiteral("select m.*, coalesce(m.PayFund,0)+coalesce(m.Prefund,0)+coalesce(m.OtherFund,0) as "
                                      "TotalFundCalc, null as TotalFundCnCalc, c.Name as ClientName, b.Name as BankName, "
                                      "e.Name as HandmanName, h.Name as DeptName  from ((((receipt m left join client c on "
                                      "c.Id=m.ClientId)  left join fn_bank b on b.Id=m.BankId)  left join employee e on "
                                      "e.Id=m.HandmanId)  left join departments h on h.Id=m.DeptId) ")
                       + Where->Criteria().Where() + QStringLiteral(" order by m.BizDate, m.Id"));
    FnColumns::FillAmountInWords(*this, TotalFundCalcFld, TotalFundCnCalcFld);
    return n;
}

bool TReceiptSet::OpenById(int id)
{
    Where->Reset();
    Where->BillIdFld->SetValue(id);
    return OpenList() == 1;
}

// --- TReceiptFinder ----------------------------------------------------------------------------

TReceiptFinder::TReceiptFinder(QObject* parent) : TReceiptSet(parent), m_cursor(*this, IdFld) {}

int TReceiptFinder::Find(const std::optional<QDate>& begin, const std::optional<QDate>& end)
{
    Where->Reset();
    if (begin) Where->BizDate1Fld->SetValue(*begin);
    if (end) Where->BizDate2Fld->SetValue(*end);
    return OpenList();
}

// --- TReceiptdlSet -----------------------------------------------------------------------------

TReceiptdlSet::TReceiptdlSet(QObject* parent) : TMqClientDataSet(parent)
{
    dlIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("dlId"), 0, false, QString());
    MastIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("MastId"), 0, false, QString());
    SaleIdFld = AddFieldDef(TFieldType::Integer, QStringLiteral("SaleId"), 0, false, QString());
    SaleCodeFld = AddFieldDef(TFieldType::String, QStringLiteral("SaleCode"), 20, true, QStringLiteral("销货单号"));
    SaleDateFld = AddFieldDef(TFieldType::DateTime, QStringLiteral("SaleDate"), 0, true, QStringLiteral("销货日期"));
    SalemanFld = AddFieldDef(TFieldType::String, QStringLiteral("Saleman"), 30, true, QStringLiteral("业务员"));
    ShldFundFld = AddFieldDef(TFieldType::Float, QStringLiteral("ShldFund"), 0, true, QStringLiteral("总金额"));
    RecpFundFld = AddFieldDef(TFieldType::Float, QStringLiteral("RecpFund"), 0, true, QStringLiteral("现结金额"));
    dlPayFundFld = AddFieldDef(TFieldType::Float, QStringLiteral("dlPayFund"), 0, true, QStringLiteral("本次结算"));
    dlDisFundFld = AddFieldDef(TFieldType::Float, QStringLiteral("dlDisFund"), 0, true, QStringLiteral("本次折让"));
    dlNoteFld = AddFieldDef(TFieldType::String, QStringLiteral("dlNote"), 50, true, QStringLiteral("备注"));
    CreateDataSet();
    m_binding.Bind(dlIdFld, &RReceiptdl::dlId);
    m_binding.Bind(MastIdFld, &RReceiptdl::MastId);
    m_binding.Bind(SaleIdFld, &RReceiptdl::SaleId);
    m_binding.Bind(SaleCodeFld, &RReceiptdl::SaleCode);
    m_binding.Bind(SaleDateFld, &RReceiptdl::SaleDate);
    m_binding.Bind(SalemanFld, &RReceiptdl::Saleman);
    m_binding.Bind(ShldFundFld, &RReceiptdl::ShldFund);
    m_binding.Bind(RecpFundFld, &RReceiptdl::RecpFund);
    m_binding.Bind(dlPayFundFld, &RReceiptdl::dlPayFund);
    m_binding.Bind(dlDisFundFld, &RReceiptdl::dlDisFund);
    m_binding.Bind(dlNoteFld, &RReceiptdl::dlNote);
}

RReceiptdls TReceiptdlSet::AsDatas() { return m_binding.Read(*DataSet()); }

void TReceiptdlSet::SetAsDatas(const RReceiptdls& lines) { m_binding.Write(*DataSet(), lines); }

void TReceiptdlSet::AppendLine(const RReceiptdl& line) { m_binding.Append(*DataSet(), line); }
