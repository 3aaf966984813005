#include <gtest/gtest.h>

#include "common/Direction.h"
#include "common/Properties.h"

namespace qn2 {
namespace {

// A small class publishing one property of every type, with a checking setter and a
// setter that reacts to each write (as a trigger expression would be parsed again).
class tSample : public tPersistent {
 public:
  std::int32_t Count = 7;
  tDirectionSet Sides;
  char Letter = 'q';
  tDirection Facing = tDirection::Up;
  float Speed = 0.5f;
  std::string Text = "hello";
  int TextWrites = 0;

  void SetCount(std::int32_t v) {
    if (v >= 0 && v <= 100) Count = v;
  }
  void SetText(const std::string& v) {
    Text = v;
    ++TextWrites;
  }
  const std::string& GetText() const { return Text; }

  static const tPropertyList& Properties() {
    static const tPropertyList list = [] {
      tPropertyList l;
      Publish<tSample>(l)
          .Integer("Count", &tSample::Count, &tSample::SetCount)
          .Set("Sides", &tSample::Sides, &tSample::Sides)
          .Character("Letter", &tSample::Letter, &tSample::Letter)
          .Enumeration("Facing", DirectionNames(), &tSample::Facing, &tSample::Facing)
          .Float("Speed", &tSample::Speed, &tSample::Speed)
          .String("Text", &tSample::GetText, &tSample::SetText);
      return l;
    }();
    return list;
  }
  const tPropertyList& PublishedProperties() const override { return Properties(); }
};

TEST(PublishedProperties, EveryTypeIsWrittenAndReadBackAsText) {
  tSample s;
  EXPECT_TRUE(SetPropertyText(s, "Count", "42"));
  EXPECT_TRUE(SetPropertyText(s, "Sides", "10"));  // Right and Left
  EXPECT_TRUE(SetPropertyText(s, "Letter", "Zebra"));
  EXPECT_TRUE(SetPropertyText(s, "Facing", "Left"));
  EXPECT_TRUE(SetPropertyText(s, "Speed", "0.1"));
  EXPECT_TRUE(SetPropertyText(s, "Text", "three words here"));

  EXPECT_EQ(s.Count, 42);
  EXPECT_TRUE(s.Sides.Contains(tDirection::Right));
  EXPECT_TRUE(s.Sides.Contains(tDirection::Left));
  EXPECT_FALSE(s.Sides.Contains(tDirection::Up));
  EXPECT_EQ(s.Letter, 'Z');
  EXPECT_EQ(s.Facing, tDirection::Left);
  EXPECT_FLOAT_EQ(s.Speed, 0.1f);

  EXPECT_EQ(GetPropertyText(s, "Count"), "42");
  EXPECT_EQ(GetPropertyText(s, "Sides"), "10");
  EXPECT_EQ(GetPropertyText(s, "Letter"), "Z");
  EXPECT_EQ(GetPropertyText(s, "Facing"), "Left");
  EXPECT_EQ(GetPropertyText(s, "Speed"), "0.1");
  EXPECT_EQ(GetPropertyText(s, "Text"), "three words here");
}

TEST(PublishedProperties, EnumerationsIgnoreCaseAndKeepTheValueForUnknownIdentifiers) {
  tSample s;
  EXPECT_TRUE(SetPropertyText(s, "Facing", "dOwN"));
  EXPECT_EQ(s.Facing, tDirection::Down);
  EXPECT_FALSE(SetPropertyText(s, "Facing", "Sideways"));
  EXPECT_FALSE(SetPropertyText(s, "Facing", "4"));
  EXPECT_EQ(s.Facing, tDirection::Down);
}

TEST(PublishedProperties, UnconvertibleValuesLeaveThePropertyUnchanged) {
  tSample s;
  EXPECT_FALSE(SetPropertyText(s, "Count", "twelve"));
  EXPECT_FALSE(SetPropertyText(s, "Count", ""));
  EXPECT_FALSE(SetPropertyText(s, "Count", "3.5"));
  EXPECT_FALSE(SetPropertyText(s, "Speed", "fast"));
  EXPECT_EQ(s.Count, 7);
  EXPECT_FLOAT_EQ(s.Speed, 0.5f);
  EXPECT_FALSE(SetPropertyText(s, "NoSuchProperty", "1"));
  EXPECT_FALSE(GetPropertyText(s, "count").has_value());  // names are exact
}

TEST(PublishedProperties, SettersRunOnEveryWrite) {
  tSample s;
  EXPECT_TRUE(SetPropertyText(s, "Count", "101"));  // converted, but the setter refuses it
  EXPECT_EQ(s.Count, 7);
  SetPropertyText(s, "Text", "a");
  SetPropertyText(s, "Text", "a");
  EXPECT_EQ(s.TextWrites, 2);
}

TEST(PublishedProperties, CharacterOfAnEmptyValueIsZero) {
  tSample s;
  EXPECT_TRUE(SetPropertyText(s, "Letter", ""));
  EXPECT_EQ(s.Letter, '\0');
}

TEST(PublishedProperties, AreListedInAscendingOrderOfName) {
  std::vector<std::string> names;
  for (const tPropertyInfo* p : tSample::Properties().SortedByName()) names.push_back(p->Name);
  EXPECT_EQ(names,
            (std::vector<std::string>{"Count", "Facing", "Letter", "Sides", "Speed", "Text"}));
  EXPECT_EQ(tSample::Properties().Find("Facing")->Type, tPropertyType::Enumeration);
}

TEST(PropertyText, IntegersAreDecimalOrDollarHexadecimal) {
  EXPECT_EQ(ParseIntegerText("-17"), -17);
  EXPECT_EQ(ParseIntegerText("+5"), 5);
  EXPECT_EQ(ParseIntegerText("$1F"), 31);
  EXPECT_EQ(ParseIntegerText("$ffffffff"), -1);
  EXPECT_EQ(ParseIntegerText("2147483647"), 2147483647);
  EXPECT_EQ(ParseIntegerText("-2147483648"), -2147483647 - 1);
  EXPECT_FALSE(ParseIntegerText("2147483648").has_value());
  EXPECT_FALSE(ParseIntegerText("$").has_value());
  EXPECT_FALSE(ParseIntegerText("12abc").has_value());
}

TEST(PropertyText, FloatsUseTheShortestDecimalForm) {
  EXPECT_EQ(FormatFloatText(1.0f), "1");
  EXPECT_EQ(FormatFloatText(0.25f), "0.25");
  EXPECT_EQ(FormatFloatText(1.0f / 3.0f), "0.33333334");
  EXPECT_EQ(ParseFloatText("0.33333334"), 1.0f / 3.0f);
  EXPECT_EQ(ParseFloatText("-2.5"), -2.5f);
  EXPECT_FALSE(ParseFloatText("1,5").has_value());
}

}  // namespace
}  // namespace qn2
