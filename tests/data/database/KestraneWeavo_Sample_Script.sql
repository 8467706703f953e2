/****** CREATE DATABASE******/
CREATE DATABASE [Sample_db]
GO

USE [Sample_db]
GO

/****** MODULE NAME = BaseModule ******/
/****** Queries For personnel_role ******/
CREATE TABLE [dbo].[personnel_role] (
	[personnel_role_id][int]IDENTITY (1, 1),
	[Is_Deleted][char] (1) NOT NULL,
	[role_name][varchar] (50) NULL,
	[role_no][int]NULL

) ON [PRIMARY]
GO

ALTER TABLE [dbo].[personnel_role] WITH NOCHECK ADD
CONSTRAINT [PK_personnel_role] PRIMARY KEY  CLUSTERED 
(
	[personnel_role_id]
) ON [PRIMARY]
GO

ALTER TABLE [dbo].[personnel_role] WITH NOCHECK ADD
	CONSTRAINT [DF_personnel_role_Is_Deleted] DEFAULT ('N') FOR [Is_Deleted]
GO

/****** Queries For useraccount ******/
CREATE TABLE [dbo].[useraccount] (
	[useraccount_id][int]IDENTITY (1, 1),
	[Is_Deleted][char] (1) NOT NULL,
	[username][varchar] (50) NULL,
	[password][varchar] (50) NULL,
	[personnel_role_id][int]NULL

) ON [PRIMARY]
GO

ALTER TABLE [dbo].[useraccount] WITH NOCHECK ADD
CONSTRAINT [PK_useraccount] PRIMARY KEY  CLUSTERED 
(
	[useraccount_id]
) ON [PRIMARY]
GO

ALTER TABLE [dbo].[useraccount] WITH NOCHECK ADD
	CONSTRAINT [DF_useraccount_Is_Deleted] DEFAULT ('N') FOR [Is_Deleted]
GO

CREATE UNIQUE NONCLUSTERED INDEX [UX_useraccount_username] ON [dbo].[useraccount]([username])
WHERE [Is_Deleted] = 'N' AND [username] IS NOT NULL
GO

/****** Queries For customer ******/
CREATE TABLE [dbo].[customer] (
	[customer_id][int]IDENTITY (1, 1),
	[Is_Deleted][char] (1) NOT NULL,
	[name][varchar] (50) NOT NULL,
	[credit][Decimal] (10, 0) NULL,
	[joined][DateTime]NULL,
	[note][nvarchar] (40) NULL,
	[photo][image]NULL

) ON [PRIMARY]
GO

ALTER TABLE [dbo].[customer] WITH NOCHECK ADD
CONSTRAINT [PK_customer] PRIMARY KEY  CLUSTERED 
(
	[customer_id]
) ON [PRIMARY]
GO

ALTER TABLE [dbo].[customer] WITH NOCHECK ADD
	CONSTRAINT [DF_customer_Is_Deleted] DEFAULT ('N') FOR [Is_Deleted],
	CONSTRAINT [DF_customer_name] DEFAULT ('O''Neil') FOR [name],
	CONSTRAINT [DF_customer_credit] DEFAULT (0) FOR [credit],
	CONSTRAINT [DF_customer_joined] DEFAULT ('2020-01-31') FOR [joined],
	CONSTRAINT [DF_customer_note] DEFAULT (N'it''s') FOR [note]
GO

/****** Queries For orders ******/
CREATE TABLE [dbo].[orders] (
	[orders_id][int]IDENTITY (1, 1),
	[Is_Deleted][char] (1) NOT NULL,
	[bill_to][int]NOT NULL,
	[ship_to][int]NULL,
	[product_id][int]NULL,
	[parent_id][int]NULL

) ON [PRIMARY]
GO

ALTER TABLE [dbo].[orders] WITH NOCHECK ADD
CONSTRAINT [PK_orders] PRIMARY KEY  CLUSTERED 
(
	[orders_id]
) ON [PRIMARY]
GO

ALTER TABLE [dbo].[orders] WITH NOCHECK ADD
	CONSTRAINT [DF_orders_Is_Deleted] DEFAULT ('N') FOR [Is_Deleted]
GO

/****** Queries For invoice_basic ******/
CREATE TABLE [dbo].[invoice_basic] (
	[invoice_basic_id][int]IDENTITY (1, 1),
	[customer_id][int]NOT NULL,
	[total][money]NULL

) ON [PRIMARY]
GO

ALTER TABLE [dbo].[invoice_basic] WITH NOCHECK ADD
CONSTRAINT [PK_invoice_basic] PRIMARY KEY  CLUSTERED 
(
	[invoice_basic_id]
) ON [PRIMARY]
GO

/****** Queries For invoice_detail ******/
CREATE TABLE [dbo].[invoice_detail] (
	[invoice_detail_id][int]IDENTITY (1, 1),
	[invoice_basic_id][int]NOT NULL,
	[qty][bigint]NULL,
	[remark][Text]NULL

) ON [PRIMARY]
GO

ALTER TABLE [dbo].[invoice_detail] WITH NOCHECK ADD
CONSTRAINT [PK_invoice_detail] PRIMARY KEY  CLUSTERED 
(
	[invoice_detail_id]
) ON [PRIMARY]
GO

/****** MODULE NAME = Stock ******/
/****** Queries For product ******/
CREATE TABLE [dbo].[product] (
	[product_id][int]IDENTITY (1, 1),
	[Is_Deleted][char] (1) NOT NULL,
	[title][nchar] (20) NOT NULL,
	[description][ntext]NULL,
	[price][money]NULL,
	[weight][float]NULL,
	[code][char] (5) NULL

) ON [PRIMARY]
GO

ALTER TABLE [dbo].[product] WITH NOCHECK ADD
CONSTRAINT [PK_product] PRIMARY KEY  CLUSTERED 
(
	[product_id]
) ON [PRIMARY]
GO

ALTER TABLE [dbo].[product] WITH NOCHECK ADD
	CONSTRAINT [DF_product_Is_Deleted] DEFAULT ('N') FOR [Is_Deleted],
	CONSTRAINT [DF_product_price] DEFAULT (0) FOR [price],
	CONSTRAINT [DF_product_code] DEFAULT ('A''1') FOR [code]
GO

/****** Foreign keys for all tables for "BaseModule" ******/
ALTER TABLE [dbo].[useraccount] ADD
	CONSTRAINT [FK_useraccount_personnel_role] FOREIGN KEY
	(
		[personnel_role_id]
	)
	REFERENCES [dbo].[personnel_role]
	(
		[personnel_role_id]
	)
ON DELETE CASCADE  ON UPDATE CASCADE
GO

ALTER TABLE [dbo].[orders] ADD
	CONSTRAINT [FK_orders_customer] FOREIGN KEY
	(
		[bill_to]
	)
	REFERENCES [dbo].[customer]
	(
		[customer_id]
	),
	CONSTRAINT [FK_orders_customer_1] FOREIGN KEY
	(
		[ship_to]
	)
	REFERENCES [dbo].[customer]
	(
		[customer_id]
	),
	CONSTRAINT [FK_orders_product] FOREIGN KEY
	(
		[product_id]
	)
	REFERENCES [dbo].[product]
	(
		[product_id]
	),
	CONSTRAINT [FK_orders_orders] FOREIGN KEY
	(
		[parent_id]
	)
	REFERENCES [dbo].[orders]
	(
		[orders_id]
	)
ON DELETE NO ACTION  ON UPDATE NO ACTION
GO

ALTER TABLE [dbo].[invoice_basic] ADD
	CONSTRAINT [FK_invoice_basic_customer] FOREIGN KEY
	(
		[customer_id]
	)
	REFERENCES [dbo].[customer]
	(
		[customer_id]
	)
ON DELETE CASCADE  ON UPDATE CASCADE
GO

ALTER TABLE [dbo].[invoice_detail] ADD
	CONSTRAINT [FK_invoice_detail_invoice_basic] FOREIGN KEY
	(
		[invoice_basic_id]
	)
	REFERENCES [dbo].[invoice_basic]
	(
		[invoice_basic_id]
	)
ON DELETE CASCADE  ON UPDATE CASCADE
GO

/****** Foreign keys for all tables for "Stock" ******/
/******INSERT/UPDATE PERSONAL ROLES******/


IF EXISTS (SELECT role_no FROM personnel_role WHERE role_no = 1)
	UPDATE personnel_role SET role_no = 1 , role_name = 'admin', Is_Deleted = 'N' WHERE role_no = 1
ELSE
	INSERT INTO personnel_role(Is_Deleted,role_name,role_no) VALUES('N','admin',1)
GO


IF EXISTS (SELECT role_no FROM personnel_role WHERE role_no = 2)
	UPDATE personnel_role SET role_no = 2 , role_name = 'Sales O''Brien', Is_Deleted = 'Y' WHERE role_no = 2
ELSE
	INSERT INTO personnel_role(Is_Deleted,role_name,role_no) VALUES('Y','Sales O''Brien',2)
GO


/****** DEFAULT USER ACCOUNT******/
INSERT INTO useraccount(username,password,personnel_role_id) VALUES('admin','',1)
GO
