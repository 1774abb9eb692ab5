-- Seed rows of schema version 1, the same on every engine.

-- The system operator holds every right. The empty password is stored as plain text; the first
-- successful login replaces it with its hash. Its desktop starts tidy: the documents in the
-- first row, the reports in the second.
insert into operator (LoginId, Password, Name, Contact, Note, Rights, Menus) values ('sa', '', '系统管理员', '', '', '',
'SaleQuotAction1=10,10
SaleOrderAction1=120,10
SaleSendAction1=230,10
SlInvAction1=340,10
SaleReceiptAction1=450,10
ShldinAction1=560,10
OutlayAction1=670,10
slQuotDetailAction1=10,110
slOrderDetailAction1=120,110
slOrderSumAction1=230,110
SaleDetailAction1=340,110
SaleSumAction1=450,110
ShldinListAction1=560,110
ShldinBookAction1=670,110
OutlayFindAction1=780,110
');

-- An empty company name makes the first login of sa ask for the company information.
insert into Company (Id, CompanyName, Manager, Tel, Fax, Address, Zip, Profile, Updated)
values (1, '', '', '', '', '', '', '', 0);

-- No backup planned.
insert into backup (Id, TypeId, BackDir) values (1, 0, '');

-- Delivery types: 1 is what a new delivery starts with.
insert into saletype (Id, Name, Sign) values (1, '销售', 1);
insert into saletype (Id, Name, Sign) values (2, '退货', -1);

-- Sales order types: 1 is what a new order starts with.
insert into slorderfrmtype (Id, Name) values (1, '普通订单');
insert into slorderfrmtype (Id, Name) values (2, '加急订单');

-- Settings. Integers are written as the program writes them (Vbool 1), booleans with Vint 0.
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (0, '', 0, 0, 0);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (1, '', 0, 0, 1);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (2, '', 0, 0, 0);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (3, '', 0, 0, 1);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (4, '', 0, 0, 1);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (5, '', 0, 0, 1);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (6, '', 2, 0, 1);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (7, '', 2, 0, 1);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (8, '', 0, 0, 1);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (9, '', 0, 0, 0);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (19, '', 0, 0, 1);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (20, '', 0, 0, 1);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (22, '', 0, 0, 0);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (24, '', 0, 0, 1);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (36, '', 0, 0, 1);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (2015, '', 0, 0, 1);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (2037, '', 0, 0, 1);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (2038, '', 0, 0, 1);
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (2040, '', 0, 0, 0);

-- The captions of goods and client fields, as built in.
insert into keyvalue (KeyId, Vstr, Vint, Vfloat, Vbool) values (37, 'WareS01=货号
WareS02=品名
WareS03=助查码
WareS04=规格
WareS05=品牌
WareS06=封装
WareS07=条码
WareS08=vWareS08
WareS09=vWareS09
WareS10=vWareS10
WareS11=vWareS11
WareS12=基本单位
WareF01=vWareF01
WareF02=vWareF02
WareF03=vWareF03
WareF04=vWareF04
WareF05=vWareF05
WareColorLabel=颜色
WareSizeLabel=材料
WarePropLabel=图号
Client=客户
ClientLookId=助查码
Clientname=客户名称
ClientLinkman=联系人
ClientTel=联系电话
ClientFax=传真号码
ClientAddr=联系地址
ClientZip=邮编
ClientUrl=网址
ClientEmail=电子信箱
ClientLawman=法人代表
ClientTaxId=税号
ClientBank=开户银行
ClientBankId=银行帐号
ClientNote=备注', 0, 0, 0);

-- Pick lists: 0 units, 1 special characters, 2 carriers, 3 the purchase order window.
insert into options ("key", "label", "list") values (0, '', '个
件
只
台
套
箱
包
袋
盒
瓶
桶
张
本
卷
双
对
打
米
厘米
千克
克
吨
升
平方米
立方米');
insert into options ("key", "label", "list") values (1, '', '×
÷
±
≤
≥
≠
≈
°
℃
‰
Φ
Ω
μ
㎜
㎝
㎡
㎏
№
※
√
★
☆
●
○
■
□
▲
△
→
←
↑
↓
①
②
③
④
⑤');
insert into options ("key", "label", "list") values (2, '', '自提
送货上门
中国邮政
顺丰速运
中通快递
圆通速递
申通快递
韵达快递
德邦物流');
insert into options ("key", "label", "list") values (3, '', '');
