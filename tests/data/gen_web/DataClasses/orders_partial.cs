using System;
using System.Data;
using System.Data.SqlClient;
using System.Configuration;
using System.Collections;
using System.Web;
using System.Web.Security;
using System.Web.UI;
using System.Web.UI.WebControls;
using System.Web.UI.WebControls.WebParts;
using System.Web.UI.HtmlControls;
using System.Drawing;
using System.Xml;
using System.Xml.Xsl;
using System.IO;
namespace Shop
{
	public partial class _orders
	{
		public bool HandlePreAdd()
		{
			bool stat = true;
			return stat;
		}

		public bool HandlePostAdd()
		{
			bool stat = true;
			return stat;
		}

		public bool HandlePreUpdate()
		{
			bool stat = true;
			return stat;
		}

		public bool HandlePostUpdate()
		{
			bool stat = true;
			return stat;
		}

		public bool HandlePreDelete()
		{
			bool stat = true;
			return stat;
		}

		public bool HandlePostDelete()
		{
			bool stat = true;
			return stat;
		}

	}
}
