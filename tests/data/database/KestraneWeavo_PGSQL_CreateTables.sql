/****** Queries For personnel_role ******/
CREATE TABLE "personnel_role" (
	"personnel_role_id" SERIAL NOT NULL,
	"is_deleted" char (1) NOT NULL,
	"role_name" varchar (50) NULL,
	"role_no" int NULL
);

ALTER TABLE "personnel_role" ADD
	CONSTRAINT "pk_personnel_role" PRIMARY KEY
(
	"personnel_role_id"
);

ALTER TABLE "personnel_role"
	ALTER "is_deleted" SET DEFAULT 'N'
;

/****** Queries For useraccount ******/
CREATE TABLE "useraccount" (
	"useraccount_id" SERIAL NOT NULL,
	"is_deleted" char (1) NOT NULL,
	"username" varchar (50) NULL,
	"password" varchar (50) NULL,
	"personnel_role_id" int NULL
);

ALTER TABLE "useraccount" ADD
	CONSTRAINT "pk_useraccount" PRIMARY KEY
(
	"useraccount_id"
);

ALTER TABLE "useraccount"
	ALTER "is_deleted" SET DEFAULT 'N'
;

CREATE UNIQUE INDEX "ux_useraccount_username" ON "useraccount" ("username") WHERE "is_deleted" = 'N';

/****** Queries For customer ******/
CREATE TABLE "customer" (
	"customer_id" SERIAL NOT NULL,
	"is_deleted" char (1) NOT NULL,
	"name" varchar (50) NOT NULL,
	"credit" numeric (10, 0) NULL,
	"joined" date NULL,
	"note" varchar (40) NULL,
	"photo" bytea NULL
);

ALTER TABLE "customer" ADD
	CONSTRAINT "pk_customer" PRIMARY KEY
(
	"customer_id"
);

ALTER TABLE "customer"
	ALTER "is_deleted" SET DEFAULT 'N',
	ALTER "name" SET DEFAULT 'O''Neil',
	ALTER "credit" SET DEFAULT 0,
	ALTER "joined" SET DEFAULT '2020-01-31',
	ALTER "note" SET DEFAULT 'it''s'
;

/****** Queries For orders ******/
CREATE TABLE "orders" (
	"orders_id" SERIAL NOT NULL,
	"is_deleted" char (1) NOT NULL,
	"bill_to" int NOT NULL,
	"ship_to" int NULL,
	"product_id" int NULL,
	"parent_id" int NULL
);

ALTER TABLE "orders" ADD
	CONSTRAINT "pk_orders" PRIMARY KEY
(
	"orders_id"
);

ALTER TABLE "orders"
	ALTER "is_deleted" SET DEFAULT 'N'
;

/****** Queries For invoice_basic ******/
CREATE TABLE "invoice_basic" (
	"invoice_basic_id" SERIAL NOT NULL,
	"customer_id" int NOT NULL,
	"total" money NULL
);

ALTER TABLE "invoice_basic" ADD
	CONSTRAINT "pk_invoice_basic" PRIMARY KEY
(
	"invoice_basic_id"
);

/****** Queries For invoice_detail ******/
CREATE TABLE "invoice_detail" (
	"invoice_detail_id" SERIAL NOT NULL,
	"invoice_basic_id" int NOT NULL,
	"qty" bigint NULL,
	"remark" Text NULL
);

ALTER TABLE "invoice_detail" ADD
	CONSTRAINT "pk_invoice_detail" PRIMARY KEY
(
	"invoice_detail_id"
);

/****** Queries For product ******/
CREATE TABLE "product" (
	"product_id" SERIAL NOT NULL,
	"is_deleted" char (1) NOT NULL,
	"title" char (20) NOT NULL,
	"description" text NULL,
	"price" money NULL,
	"weight" float NULL,
	"code" char (5) NULL
);

ALTER TABLE "product" ADD
	CONSTRAINT "pk_product" PRIMARY KEY
(
	"product_id"
);

ALTER TABLE "product"
	ALTER "is_deleted" SET DEFAULT 'N',
	ALTER "price" SET DEFAULT 0,
	ALTER "code" SET DEFAULT 'A''1'
;

/****** Queries For product_customer_map ******/
CREATE TABLE "product_customer_map" (
	"product_customer_map_id" SERIAL NOT NULL,
	"is_deleted" char (1) NOT NULL,
	"product_id" int NOT NULL,
	"customer_id" int NOT NULL
);

ALTER TABLE "product_customer_map" ADD
	CONSTRAINT "pk_product_customer_map" PRIMARY KEY
(
	"product_customer_map_id"
);

ALTER TABLE "product_customer_map"
	ALTER "is_deleted" SET DEFAULT 'N'
;

/****** Foreign keys for all tables ******/
ALTER TABLE "useraccount"
	ADD CONSTRAINT "fk_useraccount_personnel_role" FOREIGN KEY
	(
		"personnel_role_id"
	) REFERENCES "personnel_role" (
		"personnel_role_id"
	);

ALTER TABLE "orders"
	ADD CONSTRAINT "fk_orders_customer" FOREIGN KEY
	(
		"bill_to"
	) REFERENCES "customer" (
		"customer_id"
	),
	ADD CONSTRAINT "fk_orders_customer_1" FOREIGN KEY
	(
		"ship_to"
	) REFERENCES "customer" (
		"customer_id"
	),
	ADD CONSTRAINT "fk_orders_product" FOREIGN KEY
	(
		"product_id"
	) REFERENCES "product" (
		"product_id"
	),
	ADD CONSTRAINT "fk_orders_orders" FOREIGN KEY
	(
		"parent_id"
	) REFERENCES "orders" (
		"orders_id"
	);

ALTER TABLE "invoice_basic"
	ADD CONSTRAINT "fk_invoice_basic_customer" FOREIGN KEY
	(
		"customer_id"
	) REFERENCES "customer" (
		"customer_id"
	);

ALTER TABLE "invoice_detail"
	ADD CONSTRAINT "fk_invoice_detail_invoice_basic" FOREIGN KEY
	(
		"invoice_basic_id"
	) REFERENCES "invoice_basic" (
		"invoice_basic_id"
	);

ALTER TABLE "product_customer_map"
	ADD CONSTRAINT "fk_product_customer_map_product" FOREIGN KEY
	(
		"product_id"
	) REFERENCES "product" (
		"product_id"
	),
	ADD CONSTRAINT "fk_product_customer_map_customer" FOREIGN KEY
	(
		"customer_id"
	) REFERENCES "customer" (
		"customer_id"
	);

/******INSERT/UPDATE PERSONAL ROLES******/
UPDATE personnel_role SET role_name = 'admin', Is_Deleted = 'N' WHERE role_no = 1;
INSERT INTO personnel_role(Is_Deleted,role_name,role_no) SELECT 'N','admin',1 WHERE NOT EXISTS (SELECT role_no FROM personnel_role WHERE role_no = 1);
UPDATE personnel_role SET role_name = 'Sales O''Brien', Is_Deleted = 'Y' WHERE role_no = 2;
INSERT INTO personnel_role(Is_Deleted,role_name,role_no) SELECT 'Y','Sales O''Brien',2 WHERE NOT EXISTS (SELECT role_no FROM personnel_role WHERE role_no = 2);

/****** DEFAULT USER ACCOUNT******/
INSERT INTO useraccount(username,password,personnel_role_id) VALUES('admin','',1);
