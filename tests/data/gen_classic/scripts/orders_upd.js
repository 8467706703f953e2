function fn_OnChange_note(conn_str)
{
	var formName = document.frmorders;
	var note = formName.txt_note.value;
	formName.hiddenActionControl.value = formName.cmdadd.value;
	var url;
	url = "../../BaseModule/orders_upd.asp?Recompute=1";
	formName.action = url;
	formName.submit();
}

function fn_validate_orders()
{
	var formName
	formName = document.frmorders;
	if(!(validateString(formName.txt_quantity, "Please enter quantity caption")))
	{
		formName.txt_quantity.focus();
		return
	}
	if(!(isNumber1(formName.txt_quantity.value)))
	{
		alert("Please enter valid numeric value");
		formName.txt_quantity.focus();
		return
	}
	if(!(validateString(formName.txt_ordered, "Please enter ordered caption")))
	{
		formName.txt_ordered.focus();
		return
	}
	if(!(isDate(formName.txt_ordered.value, <% = glb_dateFormat%>)))
	{
		alert("Please enter ordered caption");
		formName.txt_ordered.focus();
		return
	}
	if(!(validateString(formName.txt_shipped, "Please enter shipped caption")))
	{
		formName.txt_shipped.focus();
		return
	}
	if(!(isDate(formName.txt_shipped.value, <% = glb_dateFormat%>)))
	{
		alert("Please enter shipped caption");
		formName.txt_shipped.focus();
		return
	}
	if(!(comparedate(formName.txt_shipped.value, formName.txt_ordered.value, ">=", <% = glb_dateFormat%>)))
	{
		alert("Please check! shipped caption should be greater than or equal to ordered caption");
		formName.txt_shipped.focus();
		return
	}
	if(formName.lst_region.value == 1)
	{
		alert("Please enter region caption");
		formName.lst_region.focus();
		return
	}
	if(formName.lst_status.value == 0)
	{
		alert("Please enter status caption");
		formName.lst_status.focus();
		return
	}
	if(!(validateString(formName.txt_remark, "Please enter remark caption")))
	{
		formName.txt_remark.focus();
		return
	}
	if(!(validateString(formName.txt_note, "Please enter note caption")))
	{
		formName.txt_note.focus();
		return
	}

	formName.hiddenActionControl.value = "Update"
	formName.action = "../../BaseModule/orders_upd_action.asp";
	formName.submit();
}

function fn_RemoveRecord_orders(id)
{
	formName = document.frmorders;
	msg=confirm("Do you really want to Delete this Record?")
	if(msg==false)
	{
		return;
	}
	formName.hiddenActionControl.value = "Remove";
	formName.v_orders_id.value = id;
	formName.action = "../../BaseModule/orders_upd_action.asp";
	formName.submit();
}
function fn_CancelRecord_orders()
{
	var formName;
	formName = document.frmcancel;
	formName.action = "../BaseModule/orders_addReport.asp";
	formName.submit();
}
