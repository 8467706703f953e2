<?xml version="1.0" encoding="UTF-8"?>
<!-- Turns the report and grid XML of the pages' ReportXMLWriter into HTML. Attributes that the
     writer copies unchanged (event handlers and the like) pass through to the HTML element. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" indent="no" encoding="UTF-8"/>

  <xsl:template match="/">
    <xsl:apply-templates select="root/*"/>
  </xsl:template>

  <!-- Answers that are not shown as part of the report. -->
  <xsl:template match="messagestring|messageDiv|page_no|record_id|menus"/>
  <xsl:template match="root/*" priority="-1"/>

  <xsl:template name="width">
    <xsl:if test="@width">
      <xsl:attribute name="width"><xsl:value-of select="@width"/></xsl:attribute>
    </xsl:if>
  </xsl:template>

  <xsl:template name="cellAttributes">
    <xsl:copy-of select="@id|@align|@rowspan|@colspan"/>
    <xsl:call-template name="width"/>
  </xsl:template>

  <xsl:template name="hiddenWhenInvisible">
    <xsl:if test="@visible = 'false'">
      <xsl:attribute name="style">display:none</xsl:attribute>
    </xsl:if>
  </xsl:template>

  <!-- Report groups, reports and their rows. -->
  <xsl:template match="reportgroup">
    <table class="ReportGroupTable" cellspacing="0">
      <xsl:call-template name="cellAttributes"/>
      <xsl:apply-templates/>
    </table>
  </xsl:template>

  <xsl:template match="reportgroupheader">
    <tr><th class="ReportGroupHeader"><xsl:copy-of select="@id|@colspan"/><xsl:value-of select="@title"/></th></tr>
  </xsl:template>

  <xsl:template match="reportgrouprow">
    <tr><xsl:copy-of select="@id"/><xsl:for-each select="*"><td valign="top"><xsl:apply-templates select="."/></td></xsl:for-each></tr>
  </xsl:template>

  <xsl:template match="report">
    <table class="ReportTable" cellspacing="1">
      <xsl:call-template name="cellAttributes"/>
      <xsl:apply-templates/>
    </table>
  </xsl:template>

  <xsl:template match="reportheader">
    <tr>
      <th>
        <xsl:copy-of select="@id|@colspan"/>
        <xsl:attribute name="class">
          <xsl:choose>
            <xsl:when test="@class"><xsl:value-of select="@class"/></xsl:when>
            <xsl:otherwise>ReportHeader</xsl:otherwise>
          </xsl:choose>
        </xsl:attribute>
        <xsl:value-of select="@title"/>
      </th>
    </tr>
  </xsl:template>

  <xsl:template match="reportdataheaderrow">
    <tr class="ReportDataHeaderRow"><xsl:copy-of select="@id"/><xsl:apply-templates/></tr>
  </xsl:template>

  <xsl:template match="reportdataheader">
    <th class="ReportDataHeader"><xsl:call-template name="cellAttributes"/><xsl:value-of select="@title"/></th>
  </xsl:template>

  <xsl:template match="reportdatarow">
    <tr class="ReportDataRow"><xsl:copy-of select="@id"/><xsl:apply-templates/></tr>
  </xsl:template>

  <xsl:template match="reportdata">
    <td class="ReportData"><xsl:call-template name="cellAttributes"/><xsl:apply-templates/></td>
  </xsl:template>

  <!-- Grids: header rows, the body of the data rows ("_body"), the hidden template row
       ("_defaultRow") that addGridRow copies, and the footers. -->
  <xsl:template match="grid">
    <table class="GridTable" cellspacing="1">
      <xsl:attribute name="id"><xsl:value-of select="@id"/>_table</xsl:attribute>
      <thead>
        <xsl:apply-templates select="gridheader|griddataheaderrow"/>
      </thead>
      <tbody>
        <xsl:attribute name="id"><xsl:value-of select="@id"/>_body</xsl:attribute>
        <xsl:apply-templates select="griddatarow"/>
      </tbody>
      <tbody style="display:none">
        <xsl:apply-templates select="griddefaultrow"/>
      </tbody>
      <tfoot>
        <xsl:apply-templates select="gridfooter"/>
      </tfoot>
    </table>
  </xsl:template>

  <xsl:template match="gridheader">
    <tr><th class="GridHeader"><xsl:copy-of select="@colspan"/><xsl:value-of select="@title"/></th></tr>
  </xsl:template>

  <xsl:template match="griddataheaderrow">
    <tr class="GridDataHeaderRow"><xsl:copy-of select="@id"/><xsl:apply-templates/></tr>
  </xsl:template>

  <xsl:template match="griddataheader">
    <th class="GridDataHeader"><xsl:call-template name="cellAttributes"/><xsl:value-of select="@title"/></th>
  </xsl:template>

  <xsl:template match="griddatarow">
    <tr class="GridDataRow"><xsl:copy-of select="@id"/><xsl:apply-templates/></tr>
  </xsl:template>

  <xsl:template match="griddefaultrow">
    <tr class="GridDataRow">
      <xsl:attribute name="id"><xsl:value-of select="../@id"/>_defaultRow</xsl:attribute>
      <xsl:apply-templates/>
    </tr>
  </xsl:template>

  <xsl:template match="griddata">
    <td class="GridData"><xsl:call-template name="cellAttributes"/><xsl:apply-templates/></td>
  </xsl:template>

  <xsl:template match="gridfooter">
    <tr class="GridFooter"><td><xsl:call-template name="cellAttributes"/><xsl:apply-templates/></td></tr>
  </xsl:template>

  <!-- Fields. -->
  <xsl:template match="textfield">
    <xsl:value-of select="."/>
  </xsl:template>

  <xsl:template match="linkfield">
    <a href="{link}">
      <xsl:copy-of select="@id|@target"/>
      <xsl:value-of select="linktext"/>
      <xsl:apply-templates select="imagefield"/>
    </a>
  </xsl:template>

  <xsl:template match="imagefield">
    <img src="{image}" alt="{alt}">
      <xsl:copy-of select="@*"/>
    </img>
  </xsl:template>

  <xsl:template match="textareafield">
    <textarea>
      <xsl:copy-of select="@*[name() != 'value' and name() != 'visible']"/>
      <xsl:if test="@id"><xsl:attribute name="name"><xsl:value-of select="@id"/></xsl:attribute></xsl:if>
      <xsl:call-template name="hiddenWhenInvisible"/>
      <xsl:value-of select="@value"/>
    </textarea>
  </xsl:template>

  <xsl:template match="combofield">
    <select>
      <xsl:copy-of select="@*[name() != 'visible']"/>
      <xsl:if test="@id"><xsl:attribute name="name"><xsl:value-of select="@id"/></xsl:attribute></xsl:if>
      <xsl:call-template name="hiddenWhenInvisible"/>
      <xsl:apply-templates select="combooption"/>
    </select>
  </xsl:template>

  <xsl:template match="combooption">
    <option>
      <xsl:copy-of select="@value|@selected"/>
      <xsl:value-of select="."/>
    </option>
  </xsl:template>

  <xsl:template match="inputfield|gridinputfield">
    <input>
      <xsl:copy-of select="@*[name() != 'visible']"/>
      <xsl:if test="@id"><xsl:attribute name="name"><xsl:value-of select="@id"/></xsl:attribute></xsl:if>
      <xsl:call-template name="hiddenWhenInvisible"/>
    </input>
  </xsl:template>
</xsl:stylesheet>
