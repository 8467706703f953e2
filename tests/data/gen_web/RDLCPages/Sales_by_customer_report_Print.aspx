<%@ Page Language="C#" EnableEventValidation="false" AutoEventWireup="true" CodeBehind="Sales_by_customer_report_Print.aspx.cs" Inherits="Shop.Sales_by_customer_report_Print"%>

<%@ Register Assembly="Microsoft.ReportViewer.WebForms, Version=8.0.0.0, Culture=neutral, PublicKeyToken=b03f5f7f11d50a3a"
	Namespace="Microsoft.Reporting.WebForms" TagPrefix="rsweb" %>
<html>
<head>Print Report</head>
<body>
<form id = "PrintForm" runat="server">
<div>
	<rsweb:ReportViewer ID="ReportViewer1" runat="server" Font-Names="Verdana" Font-Size="8pt" Height="300px" Width="960px" Visible="False">
		<LocalReport ReportPath="BaseModule\RDLCs\sales_by_customer.rdlc">
			<DataSources>
				<rsweb:ReportDataSource DataSourceId="ObjectDataSource1" Name="orders_ByCustomer_orders" />
				<rsweb:ReportDataSource DataSourceId="ObjectDataSource2" Name="customer_Credit_customer" />
			</DataSources>
		</LocalReport>
	</rsweb:ReportViewer>
	<asp:ObjectDataSource ID="ObjectDataSource1" runat="server" SelectMethod="GetData" TypeName="Shop.BaseModule.DataSets.orders_ByCustomerTableAdapters.ordersTableAdapter">
	</asp:ObjectDataSource>
	<asp:ObjectDataSource ID="ObjectDataSource2" runat="server" SelectMethod="GetData" TypeName="Shop.BaseModule.DataSets.customer_CreditTableAdapters.customerTableAdapter">
	</asp:ObjectDataSource>
</div>
</form>
</body>
</html>
