
/****** PRC_customer_Insert ******/
CREATE PROCEDURE [PRC_customer_Insert]
	@PRC_name_Var varchar(50),
	@PRC_credit_Var Decimal
AS
SET NOCOUNT ON
begin transaction
DECLARE @sInfo		varchar(100)
	INSERT INTO [customer]
		(
		[name],
		[credit]
		)
	VALUES
		(
		@PRC_name_Var,
		@PRC_credit_Var
		)

SET @sInfo = ''
SELECT @sInfo AS sInfo

commit transaction
GO

/****** PRC_customer_Update ******/
CREATE PROCEDURE [PRC_customer_Update]
	@PRC_customer_id_Var int,
	@PRC_name_Var varchar(50),
	@PRC_credit_Var Decimal,
	@PRC_note_Var nvarchar(40)
AS
SET NOCOUNT ON
begin transaction
DECLARE @sInfo		varchar(100)
	UPDATE [customer] SET
			[name] = @PRC_name_Var,
			[credit] = @PRC_credit_Var,
			[note] = @PRC_note_Var

		WHERE [customer_id] = @PRC_customer_id_Var 
SET @sInfo = ''
SELECT @sInfo AS sInfo

commit transaction
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

SELECT * FROM [customer]
WHERE [customer].Is_Deleted = 'N' AND [customer].[customer_id]=@PRC_customer_id_Var  AND [customer].[customer_id]=@PRC_customer_id_Var 
GO

