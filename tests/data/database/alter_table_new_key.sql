USE [Sample_db]
GO

/****** Queries For droping constraints ******/
ALTER TABLE [orders] DROP CONSTRAINT [FK_orders_customer]
GO

ALTER TABLE [orders] DROP CONSTRAINT [FK_orders_customer_1]
GO

ALTER TABLE [orders] DROP CONSTRAINT [FK_orders_product]
GO

ALTER TABLE [orders] DROP CONSTRAINT [FK_orders_orders]
GO

/****** Queries For Inserting new columns in orders ******/

ALTER TABLE [dbo].[orders] ADD [orders_id] [int]IDENTITY (1, 1)
GO
ALTER TABLE [dbo].[orders] ALTER COLUMN [orders_id] [int] NOT NULL
GO

/****** Queries For droping constraints ******/
ALTER TABLE [archive] DROP CONSTRAINT [FK_archive_orders]
GO

/****** Queries For droping columns from orders ******/

ALTER TABLE [dbo].[orders] DROP COLUMN [id]
GO

ALTER TABLE [dbo].[orders] WITH NOCHECK ADD
	CONSTRAINT [DF_orders_Is_Deleted] DEFAULT ('N') FOR [Is_Deleted]
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
