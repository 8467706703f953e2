function set_query()
{
	var formName
	formName = document.frmOrderList
	if(!(validateString(formName.txt_city, "Please enter City")))
	{
		formName.txt_city.focus();
		return
	}

	for (var i=0; i < formName.size.length; i++)
	{
		if(formName.size[i].checked)
		{
			formName.size.value = formName.size[i].value
		}
	}
	formName.city.value = formName.city.value
	formName.hiddenActionControl.value = "Show";
	formName.action = "../../BaseModule/Order_List_report.asp"
	formName.submit();
}
function fn_print()
{
	var formName
	formName = document.frmOrderList
	if(!(validateString(formName.txt_city, "Please enter City")))
	{
		formName.txt_city.focus();
		return
	}

	formName.action = "Report_Print.asp"
	formName.submit();
}
function fn_Open(var1, var2)
{
	var formName
	formName = document.frmOrderList
	formName.size.value = var1
	formName.city.value = var2
	formName.action = "../../BaseModule/Order_List_action.asp"
	formName.submit();
}
