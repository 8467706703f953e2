USE [Sample_db]
GO

/****** Queries For product_customer_map ******/
CREATE TABLE [dbo].[product_customer_map] (
	[product_customer_map_id][int]IDENTITY (1, 1),
	[Is_Deleted][char] (1) NOT NULL,
	[product_id][int]NOT NULL,
	[customer_id][int]NOT NULL

) ON [PRIMARY]
GO

ALTER TABLE [dbo].[product_customer_map] WITH NOCHECK ADD
CONSTRAINT [PK_product_customer_map] PRIMARY KEY  CLUSTERED 
(
	[product_customer_map_id]
) ON [PRIMARY]
GO

ALTER TABLE [dbo].[product_customer_map] WITH NOCHECK ADD
	CONSTRAINT [DF_product_customer_map_Is_Deleted] DEFAULT ('N') FOR [Is_Deleted]
GO

/****** Queries For setting foriegn keys ******/

ALTER TABLE [dbo].[product_customer_map] ADD
	CONSTRAINT [FK_product_customer_map_product] FOREIGN KEY
	(
		[product_id]
	)
	REFERENCES [dbo].[product]
	(
		[product_id]
	),
	CONSTRAINT [FK_product_customer_map_customer] FOREIGN KEY
	(
		[customer_id]
	)
	REFERENCES [dbo].[customer]
	(
		[customer_id]
	)
ON DELETE CASCADE  ON UPDATE CASCADE
GO

/****** Queries For droping constraints ******/
ALTER TABLE [product] DROP CONSTRAINT [DF_product_price]
GO

ALTER TABLE [product] DROP CONSTRAINT [DF_product_code]
GO

ALTER TABLE [product] DROP CONSTRAINT [DF_product_Is_Deleted]
GO

/****** Queries For alter columns in product ******/

ALTER TABLE [dbo].[product] ALTER COLUMN [price] [money]NULL
GO

ALTER TABLE [dbo].[product] ALTER COLUMN [weight] [float]NULL
GO

/****** Queries For setting default values ******/

ALTER TABLE [dbo].[product] WITH NOCHECK ADD
	CONSTRAINT [DF_product_Is_Deleted] DEFAULT ('N') FOR [Is_Deleted],
	CONSTRAINT [DF_product_price] DEFAULT (0) FOR [price],
	CONSTRAINT [DF_product_code] DEFAULT ('A''1') FOR [code]
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
