<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp"-->
<!-- #include file = "../_system/includes/FuncProc.asp"-->
<!-- #INCLUDE FILE = "../_system/includes/FC_Colors.asp" -->

<%
	Dim strDataURL
	Dim strXMLData
	strXMLData = "<graph caption='Orders &amp; &apos;late&apos; ones' shownames='1' showvalues='1' decimalPrecision='0' numberPrefix='' >" & vbCrlf
	OpenConnection()
	Set oRs = Server.CreateObject("ADODB.Recordset")
	strSQL = "PRC_Orders"
	oRs.Open strSQL, glb_con,1,2
	intCounter=0
	While not oRs.EOF
		intCounter=intCounter+1
		strXMLData = strXMLData & "<set name='" & ors(0) & "' value='" & ors(1) & "' color='" & arr_FCColors(intCounter mod intFCColors_count) & "'/>" & vbCrlf
		oRs.MoveNext()
	Wend
	strXMLData = strXMLData & "</graph>"
	Response.Write(strXMLData)
	Response.End()
%>
