USE [Sample_db]
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

/****** Queries For setting foriegn keys ******/

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

/****** Queries For droping constraints ******/
ALTER TABLE [customer] DROP CONSTRAINT [DF_customer_Is_Deleted]
GO

ALTER TABLE [customer] DROP CONSTRAINT [DF_customer_name]
GO

ALTER TABLE [customer] DROP CONSTRAINT [DF_customer_credit]
GO

ALTER TABLE [customer] DROP CONSTRAINT [DF_customer_joined]
GO

ALTER TABLE [customer] DROP CONSTRAINT [DF_customer_note]
GO

ALTER TABLE [customer] DROP CONSTRAINT [DF_customer_old_credit]
GO

/****** Queries For Inserting new columns in customer ******/

ALTER TABLE [dbo].[customer] ADD [code] [varchar] (10) NULL
GO
ALTER TABLE [dbo].[customer] ALTER COLUMN [code] [varchar] (10)  NOT NULL
GO

ALTER TABLE [dbo].[customer] ADD [memo] [Text]NULL
GO
/****** Queries For alter columns in customer ******/

ALTER TABLE [dbo].[customer] ALTER COLUMN [name] [varchar] (50) NOT NULL
GO

ALTER TABLE [dbo].[customer] ALTER COLUMN [credit] [Decimal] (10, 0) NULL
GO

/****** Queries For droping columns from customer ******/

ALTER TABLE [dbo].[customer] DROP COLUMN [fax]
GO

ALTER TABLE [dbo].[customer] DROP COLUMN [old_credit]
GO

/****** Queries For setting default values ******/

ALTER TABLE [dbo].[customer] WITH NOCHECK ADD
	CONSTRAINT [DF_customer_Is_Deleted] DEFAULT ('N') FOR [Is_Deleted],
	CONSTRAINT [DF_customer_name] DEFAULT ('O''Neil') FOR [name],
	CONSTRAINT [DF_customer_credit] DEFAULT (0) FOR [credit],
	CONSTRAINT [DF_customer_joined] DEFAULT ('2020-01-31') FOR [joined],
	CONSTRAINT [DF_customer_note] DEFAULT (N'it''s') FOR [note]
GO

/****** Queries For setting foriegn keys ******/

/****** Queries For droping constraints ******/
ALTER TABLE [legacy] DROP CONSTRAINT [PK_legacy]
GO

ALTER TABLE [legacy] DROP CONSTRAINT [FK_legacy_customer]
GO

/****** Queries For droping table legacy ******/
DROP TABLE [legacy]
GO

/****** Queries For droping constraints ******/
ALTER TABLE [archive] DROP CONSTRAINT [PK_archive]
GO

ALTER TABLE [archive] DROP CONSTRAINT [FK_archive_orders]
GO

/****** Queries For droping table archive ******/
DROP TABLE [archive]
GO

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
