USE [Sample]]db]
GO

/****** Queries For Inserting new columns in customer ******/

ALTER TABLE [dbo].[customer] ADD [na]]me] [varchar] (50) NULL
GO
ALTER TABLE [dbo].[customer] ALTER COLUMN [na]]me] [varchar] (50)  NOT NULL
GO

/****** Queries For droping constraints ******/
ALTER TABLE [customer] DROP CONSTRAINT [DF_customer_old]]col]
GO

/****** Queries For droping columns from customer ******/

ALTER TABLE [dbo].[customer] DROP COLUMN [old]]col]
GO

/****** Queries For setting default values ******/

ALTER TABLE [dbo].[customer] WITH NOCHECK ADD
	CONSTRAINT [DF_customer_Is_Deleted] DEFAULT ('N') FOR [Is_Deleted],
	CONSTRAINT [DF_customer_na]]me] DEFAULT ('O''Neil') FOR [na]]me],
	CONSTRAINT [DF_customer_credit] DEFAULT (0) FOR [credit],
	CONSTRAINT [DF_customer_joined] DEFAULT ('2020-01-31') FOR [joined],
	CONSTRAINT [DF_customer_note] DEFAULT (N'it''s') FOR [note]
GO

/****** Queries For setting foriegn keys ******/

/****** Queries For droping constraints ******/
ALTER TABLE [x]] DROP TABLE item --] DROP CONSTRAINT [PK_x]]]
GO

ALTER TABLE [ot]]her] DROP CONSTRAINT [FK_other_x]]]
GO

/****** Queries For droping table x] DROP TABLE item -- ******/
DROP TABLE [x]] DROP TABLE item --]
GO

/****** Queries For droping table a* /b ******/
DROP TABLE [a*/b]
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
