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

/****** Foreign keys for all tables for "Stock" ******/
