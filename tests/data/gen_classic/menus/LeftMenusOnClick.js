function Customer_add_Left_MenuOnClick(id)
{
	var url = "constructionpage.asp";
	window.navigate(url);
}

function Customer_upd_Left_MenuOnClick(id)
{
	var url = "constructionpage.asp";
	window.navigate(url);
}

function Order_add_Left_MenuOnClick(id)
{
	var url = "constructionpage.asp";
	window.navigate(url);
}

