USE [Sample_db]
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
