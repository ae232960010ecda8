#include <gtest/gtest.h>

#include "platform/resource.h"

TEST(Resource, LoadStringReadsTheCurrentModule)
{
    HINSTANCE a = RegisterStringTable("ModuleA.DLL", {{10000, "A"}});
    HINSTANCE b = RegisterStringTable("ModuleB.DLL", {{10000, "B"}});
    HINSTANCE previous = AfxGetResourceHandle();
    CString s;
    AfxSetResourceHandle(a);
    EXPECT_TRUE(s.LoadString(10000));
    EXPECT_EQ(s, "A");
    AfxSetResourceHandle(b);
    s.LoadString(10000);
    EXPECT_EQ(s, "B");
    EXPECT_FALSE(s.LoadString(99999));
    EXPECT_TRUE(s.IsEmpty());
    AfxSetResourceHandle(previous);
}

TEST(Resource, ModuleScopeSwitchesAndRestores)
{
    RegisterStringTable("ModuleA.DLL", {{10000, "A"}});
    HINSTANCE b = RegisterStringTable("ModuleB.DLL", {{10000, "B"}});
    AfxSetResourceHandle(b);
    EXPECT_EQ(LoadModuleString("modulea.dll", 10000), CString("A"));
    EXPECT_EQ(AfxGetResourceHandle(), b);
    EXPECT_EQ(LoadLibrary("NoSuch.DLL"), nullptr);
    // An unknown module leaves the current one in place.
    EXPECT_EQ(LoadModuleString("NoSuch.DLL", 10000), CString("B"));
    AfxSetResourceHandle(nullptr);
}
