USE [Sample_db]
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
