#pragma warning disable 1591


namespace Shop.DataSets {
	using System;

	[System.CodeDom.Compiler.GeneratedCodeAttribute("System.Data.Design.TypedDataSetGenerator", "2.0.0.0")]
	[Serializable()]
	[System.ComponentModel.DesignerCategoryAttribute("code")]
	[System.ComponentModel.ToolboxItem(true)]
	[System.Xml.Serialization.XmlSchemaProviderAttribute("GetTypedDataSetSchema")]
	[System.Xml.Serialization.XmlRootAttribute("orders_SelectAllRecords")]
	[System.ComponentModel.Design.HelpKeywordAttribute("vs.data.DataSet")]
	public partial class orders_SelectAllRecords : System.Data.DataSet {

		private ordersDataTable tableorders;

		private System.Data.SchemaSerializationMode _schemaSerializationMode = System.Data.SchemaSerializationMode.IncludeSchema;

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		public orders_SelectAllRecords()
		{
			this.BeginInit();
			this.InitClass();
			System.ComponentModel.CollectionChangeEventHandler schemaChangedHandler = new System.ComponentModel.CollectionChangeEventHandler(this.SchemaChanged);
			base.Tables.CollectionChanged += schemaChangedHandler;
			base.Relations.CollectionChanged += schemaChangedHandler;
			this.EndInit();
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		protected orders_SelectAllRecords(System.Runtime.Serialization.SerializationInfo info, System.Runtime.Serialization.StreamingContext context) : 
		base(info, context, false) {
			if ((this.IsBinarySerialized(info, context) == true)) {
				this.InitVars(false);
				System.ComponentModel.CollectionChangeEventHandler schemaChangedHandler1 = new System.ComponentModel.CollectionChangeEventHandler(this.SchemaChanged);
				this.Tables.CollectionChanged += schemaChangedHandler1;
				this.Relations.CollectionChanged += schemaChangedHandler1;
				return;
			}
			string strSchema = ((string)(info.GetValue("XmlSchema", typeof(string))));
			if ((this.DetermineSchemaSerializationMode(info, context) == System.Data.SchemaSerializationMode.IncludeSchema)) {
				System.Data.DataSet ds = new System.Data.DataSet();
				ds.ReadXmlSchema(new System.Xml.XmlTextReader(new System.IO.StringReader(strSchema)));
				if ((ds.Tables["orders"] != null)) {
					base.Tables.Add(new ordersDataTable(ds.Tables["orders"]));
				}
				this.DataSetName = ds.DataSetName;
				this.Prefix = ds.Prefix;
				this.Namespace = ds.Namespace;
				this.Locale = ds.Locale;
				this.CaseSensitive = ds.CaseSensitive;
				this.EnforceConstraints = ds.EnforceConstraints;
				this.Merge(ds, false, System.Data.MissingSchemaAction.Add);
				this.InitVars();
			}
			else {
				this.ReadXmlSchema(new System.Xml.XmlTextReader(new System.IO.StringReader(strSchema)));
			}
			this.GetSerializationData(info, context);
			System.ComponentModel.CollectionChangeEventHandler schemaChangedHandler = new System.ComponentModel.CollectionChangeEventHandler(this.SchemaChanged);
			base.Tables.CollectionChanged += schemaChangedHandler;
			this.Relations.CollectionChanged += schemaChangedHandler;
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		[System.ComponentModel.Browsable(false)]
		[System.ComponentModel.DesignerSerializationVisibility(System.ComponentModel.DesignerSerializationVisibility.Content)]
		public ordersDataTable orders {
			get {
				return this.tableorders;
			}
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		[System.ComponentModel.BrowsableAttribute(true)]
		[System.ComponentModel.DesignerSerializationVisibilityAttribute(System.ComponentModel.DesignerSerializationVisibility.Visible)]
		public override System.Data.SchemaSerializationMode SchemaSerializationMode {
			get {
				return this._schemaSerializationMode;
			}
			set {
				this._schemaSerializationMode = value;
			}
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		[System.ComponentModel.DesignerSerializationVisibilityAttribute(System.ComponentModel.DesignerSerializationVisibility.Hidden)]
		public new System.Data.DataTableCollection Tables {
			get {
				return base.Tables;
			}
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		[System.ComponentModel.DesignerSerializationVisibilityAttribute(System.ComponentModel.DesignerSerializationVisibility.Hidden)]
		public new System.Data.DataRelationCollection Relations {
			get {
				return base.Relations;
			}
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		protected override void InitializeDerivedDataSet() {
			this.BeginInit();
			this.InitClass();
			this.EndInit();
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		public override System.Data.DataSet Clone() {
			orders_SelectAllRecords cln = ((orders_SelectAllRecords)(base.Clone()));
			cln.InitVars();
			cln.SchemaSerializationMode = this.SchemaSerializationMode;
			return cln;
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		protected override bool ShouldSerializeTables() {
			return false;
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		protected override bool ShouldSerializeRelations() {
			return false;
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		protected override void ReadXmlSerializable(System.Xml.XmlReader reader) {
			if ((this.DetermineSchemaSerializationMode(reader) == System.Data.SchemaSerializationMode.IncludeSchema)) {
				this.Reset();
				System.Data.DataSet ds = new System.Data.DataSet();
				ds.ReadXml(reader);
				if ((ds.Tables["orders"] != null)) {
					base.Tables.Add(new ordersDataTable(ds.Tables["orders"]));
				}
				this.DataSetName = ds.DataSetName;
				this.Prefix = ds.Prefix;
				this.Namespace = ds.Namespace;
				this.Locale = ds.Locale;
				this.CaseSensitive = ds.CaseSensitive;
				this.EnforceConstraints = ds.EnforceConstraints;
				this.Merge(ds, false, System.Data.MissingSchemaAction.Add);
				this.InitVars();
			}
			else {
				this.ReadXml(reader);
				this.InitVars();
			}
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		protected override System.Xml.Schema.XmlSchema GetSchemaSerializable() {
			System.IO.MemoryStream stream = new System.IO.MemoryStream();
			this.WriteXmlSchema(new System.Xml.XmlTextWriter(stream, null));
			stream.Position = 0;
			return System.Xml.Schema.XmlSchema.Read(new System.Xml.XmlTextReader(stream), null);
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		internal void InitVars() {
			this.InitVars(true);
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		internal void InitVars(bool initTable) {
			this.tableorders = ((ordersDataTable)(base.Tables["orders"]));
			if ((initTable == true)) {
				if ((this.tableorders != null)) {
					this.tableorders.InitVars();
				}
			}
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		private void InitClass() {
			this.DataSetName = "orders_SelectAllRecords";
			this.Prefix = "";
			this.Namespace = "http://tempuri.org/orders_SelectAllRecords.xsd";
			this.EnforceConstraints = true;
			this.SchemaSerializationMode = System.Data.SchemaSerializationMode.IncludeSchema;
			this.tableorders = new ordersDataTable();
			base.Tables.Add(this.tableorders);
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		private bool ShouldSerializeorders() {
			return false;
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		private void SchemaChanged(object sender, System.ComponentModel.CollectionChangeEventArgs e) {
			if ((e.Action == System.ComponentModel.CollectionChangeAction.Remove)) {
				this.InitVars();
			}
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		public static System.Xml.Schema.XmlSchemaComplexType GetTypedDataSetSchema(System.Xml.Schema.XmlSchemaSet xs) {
			orders_SelectAllRecords ds = new orders_SelectAllRecords();
			System.Xml.Schema.XmlSchemaComplexType type = new System.Xml.Schema.XmlSchemaComplexType();
			System.Xml.Schema.XmlSchemaSequence sequence = new System.Xml.Schema.XmlSchemaSequence();
			xs.Add(ds.GetSchemaSerializable());
			System.Xml.Schema.XmlSchemaAny any = new System.Xml.Schema.XmlSchemaAny();
			any.Namespace = ds.Namespace;
			sequence.Items.Add(any);
			type.Particle = sequence;
			return type;
		}

		public delegate void ordersRowChangeEventHandler(object sender, ordersRowChangeEvent e);

		[System.CodeDom.Compiler.GeneratedCodeAttribute("System.Data.Design.TypedDataSetGenerator", "2.0.0.0")]
		[System.Serializable()]
		[System.Xml.Serialization.XmlSchemaProviderAttribute("GetTypedTableSchema")]
		public partial class ordersDataTable : System.Data.DataTable, System.Collections.IEnumerable {

			private System.Data.DataColumn columnorders_id;

			private System.Data.DataColumn columncustomer_id_;

			private System.Data.DataColumn columnodate;

			private System.Data.DataColumn columnquantity;

			private System.Data.DataColumn columnship_to_id_;

			private System.Data.DataColumn columnnotes;

			private System.Data.DataColumn columnphoto;

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public ordersDataTable() {
				this.TableName = "orders";
				this.BeginInit();
				this.InitClass();
				this.EndInit();
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			internal ordersDataTable(System.Data.DataTable table) {
				this.TableName = table.TableName;
				if ((table.CaseSensitive != table.DataSet.CaseSensitive)) {
					this.CaseSensitive = table.CaseSensitive;
				}
				if ((table.Locale.ToString() != table.DataSet.Locale.ToString())) {
					this.Locale = table.Locale;
				}
				if ((table.Namespace != table.DataSet.Namespace)) {
					this.Namespace = table.Namespace;
				}
				this.Prefix = table.Prefix;
				this.MinimumCapacity = table.MinimumCapacity;
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			protected ordersDataTable(System.Runtime.Serialization.SerializationInfo info, System.Runtime.Serialization.StreamingContext context) : 
			base(info, context) {
				this.InitVars();
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public System.Data.DataColumn orders_idColumn {
				get {
					return this.columnorders_id;
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public System.Data.DataColumn customer_id_Column {
				get {
					return this.columncustomer_id_;
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public System.Data.DataColumn odateColumn {
				get {
					return this.columnodate;
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public System.Data.DataColumn quantityColumn {
				get {
					return this.columnquantity;
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public System.Data.DataColumn ship_to_id_Column {
				get {
					return this.columnship_to_id_;
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public System.Data.DataColumn notesColumn {
				get {
					return this.columnnotes;
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public System.Data.DataColumn photoColumn {
				get {
					return this.columnphoto;
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			[System.ComponentModel.Browsable(false)]
			public int Count {
				get {
					return this.Rows.Count;
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public ordersRow this[int index] {
				get {
					return ((ordersRow)(this.Rows[index]));
				}
			}

			public event ordersRowChangeEventHandler ordersRowChanging;

			public event ordersRowChangeEventHandler ordersRowChanged;

			public event ordersRowChangeEventHandler ordersRowDeleting;

			public event ordersRowChangeEventHandler ordersRowDeleted;

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public void AddordersRow(ordersRow row) {
				this.Rows.Add(row);
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public ordersRow AddordersRow(string customer_id_, string odate, string quantity, string ship_to_id_, string notes, string photo) {
				ordersRow rowordersRow = ((ordersRow)(this.NewRow()));
				rowordersRow.ItemArray = new object[] {null, customer_id_, odate, quantity, ship_to_id_, notes, photo};
				this.Rows.Add(rowordersRow);
				return rowordersRow;
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public ordersRow FindByorders_id(int orders_id) {
				return ((ordersRow)(this.Rows.Find(new object[] {
						orders_id})));
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public virtual System.Collections.IEnumerator GetEnumerator() {
				return this.Rows.GetEnumerator();
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public override System.Data.DataTable Clone() {
				ordersDataTable cln = ((ordersDataTable)(base.Clone()));
				cln.InitVars();
				return cln;
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			protected override System.Data.DataTable CreateInstance() {
				return new ordersDataTable();
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			internal void InitVars() {
				this.columnorders_id = base.Columns["orders_id"];
				this.columncustomer_id_ = base.Columns["customer_id_"];
				this.columnodate = base.Columns["odate"];
				this.columnquantity = base.Columns["quantity"];
				this.columnship_to_id_ = base.Columns["ship_to_id_"];
				this.columnnotes = base.Columns["notes"];
				this.columnphoto = base.Columns["photo"];
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			private void InitClass() {
				this.columnorders_id = new System.Data.DataColumn("orders_id", typeof(string), null, System.Data.MappingType.Element);
				base.Columns.Add(this.columnorders_id);
				this.columncustomer_id_ = new System.Data.DataColumn("customer_id_", typeof(string), null, System.Data.MappingType.Element);
				base.Columns.Add(this.columncustomer_id_);
				this.columnodate = new System.Data.DataColumn("odate", typeof(string), null, System.Data.MappingType.Element);
				base.Columns.Add(this.columnodate);
				this.columnquantity = new System.Data.DataColumn("quantity", typeof(string), null, System.Data.MappingType.Element);
				base.Columns.Add(this.columnquantity);
				this.columnship_to_id_ = new System.Data.DataColumn("ship_to_id_", typeof(string), null, System.Data.MappingType.Element);
				base.Columns.Add(this.columnship_to_id_);
				this.columnnotes = new System.Data.DataColumn("notes", typeof(string), null, System.Data.MappingType.Element);
				base.Columns.Add(this.columnnotes);
				this.columnphoto = new System.Data.DataColumn("photo", typeof(string), null, System.Data.MappingType.Element);
				base.Columns.Add(this.columnphoto);
				this.Constraints.Add(new System.Data.UniqueConstraint("Constraint1", new System.Data.DataColumn[] {
								this.columnorders_id}, true));
				this.columnorders_id.AutoIncrement = true;
				this.columnorders_id.AllowDBNull = false;
				this.columnorders_id.ReadOnly = true;
				this.columnorders_id.Unique = true;
				this.columncustomer_id_.AllowDBNull = false;
				this.columncustomer_id_.MaxLength = 50;
				this.columnodate.AllowDBNull = false;
				this.columnodate.MaxLength = 50;
				this.columnquantity.AllowDBNull = false;
				this.columnquantity.MaxLength = 50;
				this.columnship_to_id_.AllowDBNull = false;
				this.columnship_to_id_.MaxLength = 50;
				this.columnnotes.AllowDBNull = false;
				this.columnnotes.MaxLength = 50;
				this.columnphoto.AllowDBNull = false;
				this.columnphoto.MaxLength = 50;
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public ordersRow NewordersRow() {
				return ((ordersRow)(this.NewRow()));
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			protected override System.Data.DataRow NewRowFromBuilder(System.Data.DataRowBuilder builder) {
				return new ordersRow(builder);
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			protected override System.Type GetRowType() {
				return typeof(ordersRow);
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			protected override void OnRowChanged(System.Data.DataRowChangeEventArgs e) {
				base.OnRowChanged(e);
				if ((this.ordersRowChanged != null)) {
					this.ordersRowChanged(this, new ordersRowChangeEvent(((ordersRow)(e.Row)), e.Action));
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			protected override void OnRowChanging(System.Data.DataRowChangeEventArgs e) {
				base.OnRowChanging(e);
				if ((this.ordersRowChanging != null)) {
					this.ordersRowChanging(this, new ordersRowChangeEvent(((ordersRow)(e.Row)), e.Action));
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			protected override void OnRowDeleted(System.Data.DataRowChangeEventArgs e) {
				base.OnRowDeleted(e);
				if ((this.ordersRowDeleted != null)) {
					this.ordersRowDeleted(this, new ordersRowChangeEvent(((ordersRow)(e.Row)), e.Action));
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			protected override void OnRowDeleting(System.Data.DataRowChangeEventArgs e) {
				base.OnRowDeleting(e);
				if ((this.ordersRowDeleting != null)) {
					this.ordersRowDeleting(this, new ordersRowChangeEvent(((ordersRow)(e.Row)), e.Action));
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public void RemoveordersRow(ordersRow row) {
				this.Rows.Remove(row);
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public static System.Xml.Schema.XmlSchemaComplexType GetTypedTableSchema(System.Xml.Schema.XmlSchemaSet xs) {
				System.Xml.Schema.XmlSchemaComplexType type = new System.Xml.Schema.XmlSchemaComplexType();
				System.Xml.Schema.XmlSchemaSequence sequence = new System.Xml.Schema.XmlSchemaSequence();
				orders_SelectAllRecords ds = new orders_SelectAllRecords();
				xs.Add(ds.GetSchemaSerializable());
				System.Xml.Schema.XmlSchemaAny any1 = new System.Xml.Schema.XmlSchemaAny();
				any1.Namespace = "http://www.w3.org/2001/XMLSchema";
				any1.MinOccurs = new decimal(0);
				any1.MaxOccurs = decimal.MaxValue;
				any1.ProcessContents = System.Xml.Schema.XmlSchemaContentProcessing.Lax;
				sequence.Items.Add(any1);
				System.Xml.Schema.XmlSchemaAny any2 = new System.Xml.Schema.XmlSchemaAny();
				any2.Namespace = "urn:schemas-microsoft-com:xml-diffgram-v1";
				any2.MinOccurs = new decimal(1);
				any2.ProcessContents = System.Xml.Schema.XmlSchemaContentProcessing.Lax;
				sequence.Items.Add(any2);
				System.Xml.Schema.XmlSchemaAttribute attribute1 = new System.Xml.Schema.XmlSchemaAttribute();
				attribute1.Name = "namespace";
				attribute1.FixedValue = ds.Namespace;
				type.Attributes.Add(attribute1);
				System.Xml.Schema.XmlSchemaAttribute attribute2 = new System.Xml.Schema.XmlSchemaAttribute();
				attribute2.Name = "tableTypeName";
				attribute2.FixedValue = "ordersDataTable";
				type.Attributes.Add(attribute2);
				type.Particle = sequence;
				return type;
			}
		}

		[System.CodeDom.Compiler.GeneratedCodeAttribute("System.Data.Design.TypedDataSetGenerator", "2.0.0.0")]
		public partial class ordersRow : System.Data.DataRow {

			private ordersDataTable tableorders;

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			internal ordersRow(System.Data.DataRowBuilder rb) : 
			base(rb) {
				this.tableorders = ((ordersDataTable)(this.Table));
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public string orders_id {
				get {
					return ((string)(this[this.tableorders.orders_idColumn]));
				}
				set {
					this[this.tableorders.orders_idColumn] = value;
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public string customer_id_ {
				get {
					return ((string)(this[this.tableorders.customer_id_Column]));
				}
				set {
					this[this.tableorders.customer_id_Column] = value;
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public string odate {
				get {
					return ((string)(this[this.tableorders.odateColumn]));
				}
				set {
					this[this.tableorders.odateColumn] = value;
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public string quantity {
				get {
					return ((string)(this[this.tableorders.quantityColumn]));
				}
				set {
					this[this.tableorders.quantityColumn] = value;
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public string ship_to_id_ {
				get {
					return ((string)(this[this.tableorders.ship_to_id_Column]));
				}
				set {
					this[this.tableorders.ship_to_id_Column] = value;
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public string notes {
				get {
					return ((string)(this[this.tableorders.notesColumn]));
				}
				set {
					this[this.tableorders.notesColumn] = value;
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public string photo {
				get {
					return ((string)(this[this.tableorders.photoColumn]));
				}
				set {
					this[this.tableorders.photoColumn] = value;
				}
			}
		}

		[System.CodeDom.Compiler.GeneratedCodeAttribute("System.Data.Design.TypedDataSetGenerator", "2.0.0.0")]
		public class ordersRowChangeEvent : System.EventArgs {

			private ordersRow eventRow;

			private System.Data.DataRowAction eventAction;

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public ordersRowChangeEvent(ordersRow row, System.Data.DataRowAction action) {
				this.eventRow = row;
				this.eventAction = action;
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public ordersRow Row {
				get {
					return this.eventRow;
				}
			}

			[System.Diagnostics.DebuggerNonUserCodeAttribute()]
			public System.Data.DataRowAction Action {
				get {
					return this.eventAction;
				}
			}
		}
	}
}
namespace Shop.DataSets.orders_SelectAllRecordsTableAdapters {


	[System.CodeDom.Compiler.GeneratedCodeAttribute("System.Data.Design.TypedDataSetGenerator", "2.0.0.0")]
	[System.ComponentModel.DesignerCategoryAttribute("code")]
	[System.ComponentModel.ToolboxItem(true)]
	[System.ComponentModel.DataObjectAttribute(true)]
	[System.ComponentModel.DesignerAttribute("Microsoft.VSDesigner.DataSource.Design.TableAdapterDesigner, Microsoft.VSDesigner" +
	 ", Version=8.0.0.0, Culture=neutral, PublicKeyToken=b03f5f7f11d50a3a")]
	[System.ComponentModel.Design.HelpKeywordAttribute("vs.data.TableAdapter")]
	public partial class ordersTableAdapter : System.ComponentModel.Component {

		private System.Data.SqlClient.SqlDataAdapter _adapter;

		private System.Data.SqlClient.SqlConnection _connection;

		private System.Data.SqlClient.SqlCommand[] _commandCollection;

		private bool _clearBeforeFill;

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		public ordersTableAdapter() {
			this.ClearBeforeFill = true;
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		private System.Data.SqlClient.SqlDataAdapter Adapter {
			get {
				if ((this._adapter == null)) {
					this.InitAdapter();
				}
				return this._adapter;
			}
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		internal System.Data.SqlClient.SqlConnection Connection {
			get {
				if ((this._connection == null)) {
					this.InitConnection();
				}
				return this._connection;
			}
			set {
				this._connection = value;
				if ((this.Adapter.InsertCommand != null)) {
					this.Adapter.InsertCommand.Connection = value;
				}
				if ((this.Adapter.DeleteCommand != null)) {
					this.Adapter.DeleteCommand.Connection = value;
				}
				if ((this.Adapter.UpdateCommand != null)) {
					this.Adapter.UpdateCommand.Connection = value;
				}
				for (int i = 0; (i < this.CommandCollection.Length); i = (i + 1)) {
					if ((this.CommandCollection[i] != null)) {
						((System.Data.SqlClient.SqlCommand)(this.CommandCollection[i])).Connection = value;
					}
				}
			}
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		protected System.Data.SqlClient.SqlCommand[] CommandCollection {
			get {
				if ((this._commandCollection == null)) {
					this.InitCommandCollection();
				}
				return this._commandCollection;
			}
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		public bool ClearBeforeFill {
			get {
				return this._clearBeforeFill;
			}
			set {
				this._clearBeforeFill = value;
			}
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		private void InitAdapter() {
			this._adapter = new System.Data.SqlClient.SqlDataAdapter();
			System.Data.Common.DataTableMapping tableMapping = new System.Data.Common.DataTableMapping();
			tableMapping.SourceTable = "Table";
			tableMapping.DataSetTable = "orders";
			tableMapping.ColumnMappings.Add("orders_id", "orders_id");
			tableMapping.ColumnMappings.Add("customer_id_", "customer_id_");
			tableMapping.ColumnMappings.Add("odate", "odate");
			tableMapping.ColumnMappings.Add("quantity", "quantity");
			tableMapping.ColumnMappings.Add("ship_to_id_", "ship_to_id_");
			tableMapping.ColumnMappings.Add("notes", "notes");
			tableMapping.ColumnMappings.Add("photo", "photo");
			this._adapter.TableMappings.Add(tableMapping);
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		private void InitConnection() {
			this._connection = new System.Data.SqlClient.SqlConnection();
			this._connection.ConnectionString = System.Configuration.ConfigurationManager.ConnectionStrings["m_connectionString"].ConnectionString;
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		private void InitCommandCollection() {
			this._commandCollection = new System.Data.SqlClient.SqlCommand[1];
			this._commandCollection[0] = new System.Data.SqlClient.SqlCommand();
			this._commandCollection[0].Connection = this.Connection;
			this._commandCollection[0].CommandText = "SELECT orders.orders_id, orders.customer_id, tbl0.cname AS customer_id_, CONVERT(varchar(10), orders.odate, 101) AS odate, orders.quantity, orders.ship_to_id, tbl1.cname AS ship_to_id_, orders.notes, orders.photo FROM orders INNER JOIN customer tbl0 ON orders.customer_id = tbl0.customer_id LEFT OUTER JOIN customer tbl1 ON orders.ship_to_id = tbl1.customer_id WHERE orders.Is_Deleted = 'N'"; 
			this._commandCollection[0].CommandType = System.Data.CommandType.Text;
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		[System.ComponentModel.Design.HelpKeywordAttribute("vs.data.TableAdapter")]
		[System.ComponentModel.DataObjectMethodAttribute(System.ComponentModel.DataObjectMethodType.Fill, true)]
		public virtual int Fill(orders_SelectAllRecords.ordersDataTable dataTable) {
			this.Adapter.SelectCommand = this.CommandCollection[0];
			if ((this.ClearBeforeFill == true)) {
				dataTable.Clear();
			}
			int returnValue = this.Adapter.Fill(dataTable);
			return returnValue;
		}

		[System.Diagnostics.DebuggerNonUserCodeAttribute()]
		[System.ComponentModel.Design.HelpKeywordAttribute("vs.data.TableAdapter")]
		[System.ComponentModel.DataObjectMethodAttribute(System.ComponentModel.DataObjectMethodType.Fill, true)]
		public virtual orders_SelectAllRecords.ordersDataTable GetData() {
			this.Adapter.SelectCommand = this.CommandCollection[0];
			orders_SelectAllRecords.ordersDataTable dataTable = new orders_SelectAllRecords.ordersDataTable();
			this.Adapter.Fill(dataTable);
			return dataTable;
		}
	}
}

#pragma warning restore 1591
