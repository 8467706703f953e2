DELETE FROM Designations
INSERT INTO Designations(Designations_Id, Designation_Name,Reports_To) VALUES(1,'admin', 0)
INSERT INTO Designations(Designations_Id, Designation_Name,Reports_To) VALUES(2,'Sales O''Brien', 1)
INSERT INTO Designations(Designations_Id, Designation_Name,Reports_To) VALUES(1,'Storekeeper', 2)

