function Customer_add_Top_MenuOnClick(id)
{
	var v_city = document.frmcustomer.txt_city.value
	var v_loose
	var v_id = document.frmcustomer.v_id.value
	var url = "constructionpage.asp";
	if (id == ID_Customers)
	{
		url = "../../BaseModule/Order_add.asp?" + "p_city="+encodeURIComponent(v_city) + "&p_loose="+encodeURIComponent(v_loose) + "&p_city="+encodeURIComponent(v_id)
	}
	window.navigate(url);
}

function Customer_upd_Top_MenuOnClick(id)
{
	var url = "constructionpage.asp";
	window.navigate(url);
}

function Order_add_Top_MenuOnClick(id)
{
	var url = "constructionpage.asp";
	window.navigate(url);
}

