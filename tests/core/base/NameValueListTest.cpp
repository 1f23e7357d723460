// The name=value list behind texts, settings and formula stores.
#include "base/NameValueList.h"

#include <gtest/gtest.h>

using namespace kinemo;

TEST(NameValueList, LookupTakesTheTextAfterTheFirstEquals) {
    TNameValueList l;
    l.Add("Formula=a = b + 1");
    l.Add("Empty=");
    EXPECT_EQ(l.Value("Formula"), "a = b + 1");
    EXPECT_EQ(l.Value("formula"), "a = b + 1");  // names ignore case
    EXPECT_EQ(l.Value("Empty"), "");
    EXPECT_EQ(l.Value("Missing"), "");
    EXPECT_EQ(l.Value("Form"), "");  // no prefix matches
}

TEST(NameValueList, SetReplacesInPlaceAppendsOrRemoves) {
    TNameValueList l;
    l.SetValue("a", "1");
    l.SetValue("b", "2");
    l.SetValue("c", "3");
    l.SetValue("a", "10");
    EXPECT_EQ(l.Text("|"), "a=10|b=2|c=3");
    l.SetValue("b", "");
    EXPECT_EQ(l.Text("|"), "a=10|c=3");
    l.SetValue("zz", "");  // removing a missing name changes nothing
    EXPECT_EQ(l.Count(), 2u);
    EXPECT_EQ(l.Name(1), "c");
    EXPECT_EQ(l.ValueAt(1), "3");
}
