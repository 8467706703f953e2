#include "designers/logic/ReportDesigner.h"
#include "tests/designers/logic/DesignerTestSupport.h"

#include <gtest/gtest.h>

TEST(ReportDesignerTest, Placeholder)
{
    ReportProject fixture;
    RecordingDesignerHost host;
    ReportDesigner designer(fixture.project, host);
    designer.LoadReport(nullptr);
    EXPECT_TRUE(designer.IsNew());
}
