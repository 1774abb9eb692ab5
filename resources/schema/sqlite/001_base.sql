-- Schema version 1 for SQLite.
--
-- Conventions:
-- * Keys are assigned by the program (maximum plus 1). They are declared "int", not "integer":
--   an "integer primary key" would become the rowid and quietly take a number when a statement
--   forgets the key; an "int" key refuses it. Only link numbers itself (autoincrement).
-- * Business dates are text yyyy-mm-dd, date-times text yyyy-mm-dd hh:mm:ss; booleans 0/1.
-- * Names and other texts users sort by use the collation zh (pinyin order), registered on
--   every connection the program opens. System codes keep the binary order.
-- * Master rows used by documents cannot be deleted: the documents reference them with foreign
--   keys (checked, as every connection turns foreign_keys on). A stored "none" is null.
-- * Lines belong to their header: they go with it (on delete cascade), although the documents
--   delete their lines themselves first.

create table schema_version (
  Version int not null primary key,
  Applied varchar(19)
);

-- ---------------------------------------------------------------- system tables

create table employee (
  Id int not null primary key,
  Name varchar(30) collate zh,
  Sex varchar(2),
  Tel varchar(30),
  Addr varchar(50),
  Note text
);

-- Deleting an employee clears the link of its operators.
create table operator (
  LoginId varchar(30) not null primary key,
  Password varchar(200),
  Name varchar(30) collate zh,
  Contact varchar(50),
  Note varchar(50),
  Rights text,
  Menus text,
  EmployeeId int references employee(Id) on delete set null
);

create table keyvalue (
  KeyId int not null primary key,
  Vstr text,
  Vint int,
  Vfloat real,
  Vbool smallint
);

create table options (
  [Key] int not null primary key,
  [Label] varchar(50),
  [List] text
);

-- Grid column layouts, one row per grid key.
create table syscols (
  F02 int not null primary key,
  F06 text
);

create table Company (
  Id int not null primary key,
  CompanyName varchar(100),
  Manager varchar(30),
  Tel varchar(50),
  Fax varchar(50),
  Address varchar(100),
  Zip varchar(10),
  Profile text,
  Updated smallint
);

create table report (
  Id int not null primary key,
  GrpId int,
  Title varchar(100) collate zh,
  Fr3File blob
);
create index report_grp on report(GrpId);

-- The tools menu; the one table that numbers its own rows.
create table link (
  Id integer primary key autoincrement,
  GroupId int,
  Title varchar(50),
  lpFile varchar(255),
  lpParameters varchar(255),
  Note varchar(100)
);

-- The backup plan: exactly one row.
create table backup (
  Id int not null primary key default 1 check (Id = 1),
  TypeId smallint,
  BackDir varchar(255)
);

-- ---------------------------------------------------------------- master data

-- Costing methods, maintained outside this edition; goods keep the Id of their method unchecked.
create table costing (
  Id int not null primary key,
  Name varchar(30) collate zh
);

create table departments (
  Id int not null primary key,
  Name varchar(20) collate zh,
  Mgr varchar(30),
  Tel varchar(50),
  Addr varchar(50),
  Note varchar(50)
);

-- No document of this edition refers to a warehouse, so nothing keeps one from being deleted.
create table warehouse (
  Id int not null primary key,
  Name varchar(20) collate zh,
  Mgr varchar(30),
  Tel varchar(50),
  Note varchar(50)
);

-- Units are referred to by name (goods and lines store the name), never by Id.
create table unit (
  Id int not null primary key,
  Name varchar(30) collate zh,
  Rate real,
  NoteX varchar(50)
);

create table fn_bank (
  Id int not null primary key,
  Name varchar(30) collate zh,
  Note varchar(50)
);

create table shouldin_item (
  Id int not null primary key,
  Name varchar(30) collate zh,
  Note varchar(50)
);

create table outlay_item (
  Id int not null primary key,
  Name varchar(30) collate zh,
  Note varchar(50)
);

-- Codes are rebuilt on every tree save (all set to null first), so they can stay unique.
-- The buyer is maintained elsewhere; deleting that employee clears it.
create table wareclass (
  Id int not null primary key,
  Code varchar(50) unique,
  Name varchar(30) collate zh,
  Note varchar(50),
  SlfId int,
  PrtId int,
  BuymanId int references employee(Id) on delete set null
);

create table districts (
  Id int not null primary key,
  Code varchar(50) unique,
  Name varchar(30) collate zh,
  Note varchar(50),
  SlfId int,
  PrtId int
);

-- A class removed from the tree first leaves its goods unclassified; a class still holding
-- goods cannot be deleted.
create table ware (
  Id int not null primary key,
  ClassId int references wareclass(Id),
  Code varchar(30) collate zh,
  Name varchar(30) collate zh,
  LookId varchar(30) collate zh,
  PartNo varchar(200) collate zh,
  Brand varchar(30) collate zh,
  Package varchar(30) collate zh,
  Barcode varchar(30),
  Unit varchar(30) collate zh,
  S08 varchar(50),
  S09 varchar(50),
  S10 varchar(50),
  S11 varchar(50),
  F01 real,
  F02 real,
  F03 real,
  F04 real,
  F05 real,
  Note varchar(50),
  InPrice real,
  OutPrice real,
  MinQty real,
  MaxQty real,
  Location varchar(50),
  CostId int,
  CostPrice real,
  InnerPrice real,
  SalePrice1 real,
  SalePrice2 real,
  SalePrice3 real,
  ProfitRate int
);
create index ware_class on ware(ClassId);

create table Client (
  Id int not null primary key,
  Name varchar(50) collate zh,
  LookId varchar(20) collate zh,
  TaxId varchar(30),
  Lawman varchar(20),
  Bank varchar(50),
  BankId varchar(30),
  Linkman varchar(30) collate zh,
  Tel varchar(50),
  Fax varchar(50),
  Addr varchar(50),
  Zip varchar(6),
  Url varchar(50),
  Email varchar(50),
  Note text,
  DistrictId int references districts(Id)
);
create index client_district on Client(DistrictId);

create table saletype (
  Id int not null primary key,
  Name varchar(20) collate zh,
  Sign int not null default 1
);

create table slorderfrmtype (
  Id int not null primary key,
  Name varchar(20) collate zh
);

-- ---------------------------------------------------------------- sales documents

create table slquotfrm (
  Id int not null primary key,
  Code varchar(20) not null unique,
  OldCode varchar(30) collate zh,
  BizDate date,
  ClientId int references Client(Id),
  SalemanId int references employee(Id),
  DeptId int references departments(Id),
  TotalFund real,
  Billman varchar(30),
  BillTime timestamp,
  Checkman varchar(30),
  CheckTime timestamp,
  Note varchar(50),
  TimeLimit date
);
create index slquotfrm_date on slquotfrm(BizDate);
create index slquotfrm_client on slquotfrm(ClientId);

create table slquotfrmdl (
  dlId int not null primary key,
  MastId int not null references slquotfrm(Id) on delete cascade,
  WareId int references ware(Id),
  WareColor varchar(10),
  WareSize varchar(10),
  WareProp varchar(10),
  UnitName varchar(20),
  UnitRate real,
  Qty real,
  Price real,
  Fund real,
  dlNote varchar(50)
);
create index slquotfrmdl_mast on slquotfrmdl(MastId);
create index slquotfrmdl_ware on slquotfrmdl(WareId);

-- An order saved without a type stores TypeId -1, so the type is not a foreign key; a trigger
-- keeps a type that orders use from being deleted.
create table slorderfrm (
  Id int not null primary key,
  Code varchar(20) not null unique,
  OldCode varchar(30) collate zh,
  BizDate date,
  ClientId int references Client(Id),
  SalemanId int references employee(Id),
  DeptId int references departments(Id),
  TypeId int,
  TotalFund real,
  Billman varchar(30),
  BillTime timestamp,
  Checkman varchar(30),
  CheckTime timestamp,
  Note varchar(50),
  TimeLimit date
);
create index slorderfrm_date on slorderfrm(BizDate);
create index slorderfrm_client on slorderfrm(ClientId);
create index slorderfrm_type on slorderfrm(TypeId);

create trigger slorderfrmtype_in_use before delete on slorderfrmtype
when exists (select 1 from slorderfrm where TypeId = old.Id)
begin
  select raise(abort, '该订单类别已被销售订单使用,不能删除');
end;

create table slorderfrmdl (
  dlId int not null primary key,
  MastId int not null references slorderfrm(Id) on delete cascade,
  WareId int references ware(Id),
  WareColor varchar(10),
  WareSize varchar(10),
  WareProp varchar(10),
  UnitName varchar(20),
  UnitRate real,
  Qty real,
  Price real,
  Discount real,
  Fund real,
  dlNote varchar(50)
);
create index slorderfrmdl_mast on slorderfrmdl(MastId);
create index slorderfrmdl_ware on slorderfrmdl(WareId);

-- A stop mark goes with its order line, so a later line that happens to get the same dlId does
-- not start out stopped.
create table slordercom (
  OrdlId int not null primary key references slorderfrmdl(dlId) on delete cascade
);

create table sale (
  Id int not null primary key,
  Code varchar(20) not null unique,
  OldCode varchar(30) collate zh,
  BizDate date,
  ClientId int references Client(Id),
  SalemanId int references employee(Id),
  DeptId int references departments(Id),
  TypeId int references saletype(Id),
  DiscountFund real,
  TotalFund real,
  Billman varchar(30),
  BillTime timestamp,
  Note varchar(50),
  Conveyancer varchar(50),
  Transcosts real,
  Transcode varchar(50),
  Checkman varchar(30),
  CheckTime timestamp
);
create index sale_date on sale(BizDate);
create index sale_client on sale(ClientId);

-- OrdlId is left unchecked: a line whose order line was removed later stays as it is and drops
-- out of the progress of the order.
create table saledl (
  dlId int not null primary key,
  MastId int not null references sale(Id) on delete cascade,
  WareId int references ware(Id),
  WareColor varchar(10),
  WareSize varchar(10),
  WareProp varchar(10),
  UnitName varchar(20),
  UnitRate real,
  Qty real,
  Price real,
  Discount real,
  Fund real,
  dlNote varchar(50),
  OrdlId int,
  CostPrice real,
  InnerPrice real,
  ProfitRate int
);
create index saledl_mast on saledl(MastId);
create index saledl_ware on saledl(WareId);
create index saledl_order on saledl(OrdlId);

-- Sales plans: reached only by data initialisation in this edition.
create table slplanfrm (
  Id int not null primary key,
  Code varchar(20) unique
);

create table slplanfrmdl (
  dlId int not null primary key,
  MastId int references slplanfrm(Id) on delete cascade
);

-- ---------------------------------------------------------------- receivables and expenses

create table receipt (
  Id int not null primary key,
  Code varchar(20) not null unique,
  BizDate date,
  ClientId int references Client(Id),
  Prefund real,
  OtherFund real,
  BankId int references fn_bank(Id),
  PayFund real,
  DisFund real,
  Sign int,
  HandmanId int references employee(Id),
  DeptId int references departments(Id),
  Billman varchar(30),
  BillTime timestamp,
  Checkman varchar(30),
  CheckTime timestamp,
  Note varchar(50)
);
create index receipt_date on receipt(BizDate);
create index receipt_client on receipt(ClientId);

-- A delivery that a receipt settles cannot be deleted.
create table receiptdl (
  dlId int not null primary key,
  MastId int not null references receipt(Id) on delete cascade,
  SaleId int references sale(Id),
  SaleCode varchar(20),
  dlPayFund real,
  dlDisFund real,
  dlNote varchar(50)
);
create index receiptdl_mast on receiptdl(MastId);
create index receiptdl_sale on receiptdl(SaleId);
create index receiptdl_salecode on receiptdl(SaleCode);

create table slinvfrm (
  Id int not null primary key,
  Code varchar(20) not null unique,
  InvCode varchar(50),
  InvNo varchar(50),
  ClientId int references Client(Id),
  InvDate date,
  TotalFund real,
  HandmanId int references employee(Id),
  Note varchar(50),
  Billman varchar(30),
  BillTime timestamp,
  Checkman varchar(30),
  CheckTime timestamp
);
create index slinvfrm_client on slinvfrm(ClientId);

-- A delivery line on an invoice cannot be deleted.
create table slinvfrmdl (
  dlId int not null primary key,
  MastId int not null references slinvfrm(Id) on delete cascade,
  SaledlId int references saledl(dlId),
  dlNote varchar(50)
);
create index slinvfrmdl_mast on slinvfrmdl(MastId);
create index slinvfrmdl_saledl on slinvfrmdl(SaledlId);

create table shouldin (
  Id int not null primary key,
  Code varchar(20) not null unique,
  BizDate date,
  ClientId int references Client(Id),
  ItemId int references shouldin_item(Id),
  Fund real,
  Sign int,
  HandmanId int references employee(Id),
  DeptId int references departments(Id),
  Billman varchar(30),
  BillTime timestamp,
  Checkman varchar(30),
  CheckTime timestamp,
  Note varchar(50)
);
create index shouldin_date on shouldin(BizDate);
create index shouldin_client on shouldin(ClientId);

create table outlay (
  Id int not null primary key,
  Code varchar(20) not null unique,
  BizDate date,
  Sign int,
  ItemId int references outlay_item(Id),
  BankId int references fn_bank(Id),
  Fund real,
  HandmanId int references employee(Id),
  ClientId int references Client(Id),
  DeptId int references departments(Id),
  SalemanId int references employee(Id),
  Billman varchar(30),
  BillTime timestamp,
  Checkman varchar(30),
  CheckTime timestamp,
  Note varchar(50)
);
create index outlay_date on outlay(BizDate);

-- ---------------------------------------------------------------- purchasing and warehouse
-- Reached only by document codes and data initialisation in this edition: a key, a code, and
-- lines that go with their header.

create table buplanfrm (Id int not null primary key, Code varchar(20) unique);
create table buplanfrmdl (dlId int not null primary key, MastId int references buplanfrm(Id) on delete cascade);
create table buplancom (dlId int not null primary key);
create table buappfrm (Id int not null primary key, Code varchar(20) unique);
create table buappfrmdl (dlId int not null primary key, MastId int references buappfrm(Id) on delete cascade);
create table buappcom (dlId int not null primary key);
create table buinquiryfrm (Id int not null primary key, Code varchar(20) unique);
create table buinquiryfrmdl (dlId int not null primary key, MastId int references buinquiryfrm(Id) on delete cascade);
create table buorderfrm (Id int not null primary key, Code varchar(20) unique);
create table buorderfrmdl (dlId int not null primary key, MastId int references buorderfrm(Id) on delete cascade);
create table buordercom (OrdlId int not null primary key);
create table buy (Id int not null primary key, Code varchar(20) unique);
create table buydl (dlId int not null primary key, MastId int references buy(Id) on delete cascade);
create table buqualifrm (Id int not null primary key, Code varchar(20) unique);
create table buqualifrmdl (dlId int not null primary key, MastId int references buqualifrm(Id) on delete cascade);
create table buinvfrm (Id int not null primary key, Code varchar(20) unique);
create table buinvfrmdl (dlId int not null primary key, MastId int references buinvfrm(Id) on delete cascade);
create table payment (Id int not null primary key, Code varchar(20) unique);
create table paymentdl (dlId int not null primary key, MastId int references payment(Id) on delete cascade);
create table shouldout (Id int not null primary key, Code varchar(20) unique);

create table carry (Id int not null primary key, Code varchar(20) unique);
create table carrydl (dlId int not null primary key, MastId int references carry(Id) on delete cascade);
create table putin (Id int not null primary key, Code varchar(20) unique);
create table putindl (dlId int not null primary key, MastId int references putin(Id) on delete cascade);
create table takeout (Id int not null primary key, Code varchar(20) unique);
create table takeoutdl (dlId int not null primary key, MastId int references takeout(Id) on delete cascade);
create table move (Id int not null primary key, Code varchar(20) unique);
create table movedl (dlId int not null primary key, MastId int references move(Id) on delete cascade);
create table regulate (Id int not null primary key, Code varchar(20) unique);
create table regulatedl (dlId int not null primary key, MastId int references regulate(Id) on delete cascade);
