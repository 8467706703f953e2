
/****** PRC_customer_Insert ******/
CREATE PROCEDURE [PRC_customer_Insert]
	@PRC_name_Var varchar(50)
AS
INSERT INTO [customer]([name]) VALUES(@PRC_name_Var)
GO
create	proc PRC_customer_Update AS
SELECT 1
GO

/****** PRC_customer_Delete ******/
CREATE PROCEDURE [PRC_customer_Delete]
	@PRC_customer_id_Var		int
AS
SET NOCOUNT ON
begin transaction
DECLARE @sInfo		varchar(100)
	UPDATE [customer] SET Is_Deleted = 'Y' WHERE [customer_id] = @PRC_customer_id_Var

SET @sInfo = ''
SELECT @sInfo AS sInfo
commit transaction
GO

/****** PRC_customer_SelectAll ******/
CREATE PROCEDURE [PRC_customer_SelectAll]

AS

SELECT * FROM [customer]
WHERE [customer].Is_Deleted = 'Y'
GO


/****** PRC_customer_SelectRecord ******/
CREATE PROCEDURE [PRC_customer_SelectRecord]
	@PRC_customer_id_Var int
AS
SELECT [name], credit FROM [customer] c
GO
