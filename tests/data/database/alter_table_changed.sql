USE [Sample_db]
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

ALTER TABLE [dbo].[customer] WITH NOCHECK ADD
	CONSTRAINT [DF_customer_Is_Deleted] DEFAULT ('N') FOR [Is_Deleted],
	CONSTRAINT [DF_customer_name] DEFAULT ('O''Neil') FOR [name],
	CONSTRAINT [DF_customer_credit] DEFAULT (0) FOR [credit],
	CONSTRAINT [DF_customer_joined] DEFAULT ('2020-01-31') FOR [joined],
	CONSTRAINT [DF_customer_note] DEFAULT (N'it''s') FOR [note]
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
