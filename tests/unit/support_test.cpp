// String sizing, growth, comparison and fill; the two lists with their cursor.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "support/pointer_list.h"
#include "support/string.h"
#include "support/string_list.h"

namespace cullsrc {
namespace {

std::string text_of(const String& s) { return std::string(s.view()); }

String of_length(int n, char byte = 'x') {
    String s;
    for (int i = 0; i < n; ++i) s.append(byte);
    return s;
}

// ---- String sizing ------------------------------------------------------------------------------

TEST(StringSizing, ConstructionFollowsTheBlockRule) {
    // The block is the smallest multiple of 16 above the length; capacity is one less.
    struct Case {
        int length;
        int capacity;
    };
    const Case cases[] = {{0, 15}, {1, 15}, {15, 15}, {16, 31}, {31, 31}, {32, 47}, {100, 111}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        std::string text(static_cast<std::size_t>(c.length), 'a');
        String s(text.c_str());
        EXPECT_EQ(s.length(), c.length);
        EXPECT_EQ(s.capacity(), c.capacity);
        EXPECT_EQ(text_of(s), text);
        EXPECT_EQ(s.c_str()[c.length], '\0');
    }
    EXPECT_EQ(String().capacity(), 15);
    EXPECT_EQ(String().length(), 0);
    EXPECT_STREQ(String().c_str(), "");

    // An empty byte range, as an empty line or lexeme hands over, may have no address.
    String from_nothing{std::string_view()};
    EXPECT_EQ(from_nothing.length(), 0);
    EXPECT_EQ(from_nothing.capacity(), 15);
    EXPECT_STREQ(from_nothing.c_str(), "");
}

TEST(StringSizing, AppendPastFifteenBytesKeepsEverything) {
    String s("0123456789abcde");
    ASSERT_EQ(s.capacity(), 15);
    s.append('f');
    EXPECT_EQ(s.capacity(), 31);
    EXPECT_EQ(s.length(), 16);
    EXPECT_EQ(text_of(s), "0123456789abcdef");
    EXPECT_EQ(s.c_str()[16], '\0');
}

TEST(StringSizing, CopyAssignAndConcatFollowTheRuleNotTheSourceCapacity) {
    String grown = of_length(33);  // grown by doubling: 15 -> 31 -> 63
    ASSERT_EQ(grown.capacity(), 63);

    String copy(grown);
    EXPECT_EQ(copy.capacity(), 47);
    EXPECT_EQ(text_of(copy), std::string(33, 'x'));

    String assigned;
    assigned.assign(grown);
    EXPECT_EQ(assigned.capacity(), 47);
    EXPECT_EQ(text_of(assigned), std::string(33, 'x'));

    String big(std::string(20, 'b').c_str());
    ASSERT_EQ(big.capacity(), 31);
    big.assign("abc");
    EXPECT_EQ(big.capacity(), 15);
    EXPECT_EQ(text_of(big), "abc");

    String left("0123456789");
    String right("abcdefghij");
    String joined = left.concat(right);
    EXPECT_EQ(text_of(joined), "0123456789abcdefghij");
    EXPECT_EQ(joined.capacity(), 31);
    EXPECT_EQ(text_of(left.concat("!")), "0123456789!");
    EXPECT_EQ(text_of(left), "0123456789");
    EXPECT_EQ(text_of(right), "abcdefghij");
}

TEST(StringSizing, SelfAssignmentKeepsTheText) {
    for (int length : {3, 15, 16, 40}) {
        SCOPED_TRACE(length);
        String s = of_length(length, 'q');
        const String& same = s;
        s.assign(same);
        EXPECT_EQ(text_of(s), std::string(static_cast<std::size_t>(length), 'q'));

        // The text handed in may be the String's own buffer.
        s.assign(s.c_str());
        EXPECT_EQ(text_of(s), std::string(static_cast<std::size_t>(length), 'q'));
    }
}

TEST(StringSizing, AppendGrowsByDoublingTheBlock) {
    constexpr int total = 100000;
    String s;
    int reallocations = 0;
    std::int32_t previous = s.capacity();
    for (int i = 0; i < total; ++i) {
        s.append(static_cast<char>('a' + i % 26));
        if (s.capacity() != previous) {
            ++reallocations;
            EXPECT_EQ(s.capacity() + 1, 2 * (previous + 1)) << "at length " << s.length();
            previous = s.capacity();
        }
        ASSERT_EQ((s.capacity() + 1) % 16, 0);
    }
    // 16 -> 32 -> ... -> 131072 bytes: 13 new blocks for 100000 bytes.
    EXPECT_EQ(reallocations, 13);
    EXPECT_EQ(s.capacity(), 131071);
    ASSERT_EQ(s.length(), total);
    std::string_view text = s.view();
    for (int i = 0; i < total; ++i) {
        ASSERT_EQ(text[static_cast<std::size_t>(i)], static_cast<char>('a' + i % 26)) << i;
    }
    EXPECT_EQ(s.c_str()[total], '\0');
}

// ---- String comparison and fill -----------------------------------------------------------------

TEST(StringCompare, EqualityIsByteExactUpToTheFirstNul) {
    String with_nul("ab");
    with_nul.append('\0');
    with_nul.append('c');
    ASSERT_EQ(with_nul.length(), 4);
    EXPECT_EQ(with_nul.view(), std::string_view("ab\0c", 4));

    EXPECT_TRUE(with_nul.equals("ab"));
    EXPECT_TRUE(with_nul.equals(String("ab")));
    EXPECT_TRUE(String("ab").equals(with_nul));
    EXPECT_FALSE(with_nul.differs("ab"));

    EXPECT_FALSE(String("ab").equals("Ab"));
    EXPECT_TRUE(String("ab").differs("Ab"));
    EXPECT_FALSE(String("ab").equals("abc"));
    EXPECT_FALSE(String("abc").equals(String("ab")));
    EXPECT_TRUE(String("").equals(""));
}

TEST(StringFill, OnlyAValidRangeIsFilled) {
    struct Case {
        int from;
        int to;
        const char* expected;
    };
    const Case cases[] = {
        {2, 5, "ab###fg"}, {0, 7, "#######"}, {6, 7, "abcdef#"},
        {2, 8, "abcdefg"},   // past the end: nothing, not even the part inside
        {3, 3, "abcdefg"},   // empty
        {5, 2, "abcdefg"},   // reversed
        {-1, 3, "abcdefg"},  // starts before the text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + ".." + std::to_string(c.to));
        String s("abcdefg");
        s.fill(c.from, c.to, '#');
        EXPECT_EQ(text_of(s), c.expected);
        EXPECT_EQ(s.length(), 7);
    }
}

// ---- StringList ---------------------------------------------------------------------------------

TEST(StringListTest, AtWalksThroughTheCursorAndFallsBackToTheFirst) {
    StringList list;
    EXPECT_EQ(list.size(), 0);
    EXPECT_EQ(list.at(0), nullptr);

    list.push(String("zero"));
    list.push(String("one"));
    list.push(String("two"));
    ASSERT_EQ(list.size(), 3);

    EXPECT_EQ(text_of(*list.at(2)), "two");
    EXPECT_EQ(text_of(*list.at(1)), "one");  // behind the cursor: from the first node
    EXPECT_EQ(text_of(*list.at(2)), "two");
    EXPECT_EQ(text_of(*list.at(0)), "zero");
    EXPECT_EQ(text_of(*list.at(3)), "zero");
    EXPECT_EQ(text_of(*list.at(-1)), "zero");
    // A miss leaves the cursor where it was: stepping on still works.
    EXPECT_EQ(text_of(*list.at(1)), "one");
    EXPECT_EQ(text_of(*list.at(7)), "zero");
    EXPECT_EQ(text_of(*list.at(2)), "two");
}

TEST(StringListTest, HoldsCopiesAndHandsOutTheStoredElement) {
    StringList list;
    String original = of_length(20, 'o');
    for (int i = 0; i < 20; ++i) original.append('o');  // length 40, capacity 63
    ASSERT_EQ(original.capacity(), 63);
    list.push(original);
    original.fill(0, 40, '#');
    EXPECT_EQ(text_of(*list.at(0)), std::string(40, 'o'));
    EXPECT_EQ(list.at(0)->capacity(), 47);  // a copy sized by the rule

    list.at(0)->fill(0, 3, '#');
    EXPECT_EQ(text_of(*list.at(0)), "###" + std::string(37, 'o'));
}

TEST(StringListTest, ClearedListIsEmptyAndUsable) {
    StringList list;
    for (const char* s : {"a", "b", "c"}) list.push(String(s));
    ASSERT_NE(list.at(2), nullptr);
    list.clear();
    EXPECT_EQ(list.size(), 0);
    EXPECT_EQ(list.at(0), nullptr);
    list.push(String("d"));
    EXPECT_EQ(list.size(), 1);
    EXPECT_EQ(text_of(*list.at(0)), "d");

    std::string seen;
    list.push(String("e"));
    list.for_each([&](const String& s) { seen += text_of(s); });
    EXPECT_EQ(seen, "de");
}

// ---- PointerList --------------------------------------------------------------------------------

struct Counted {
    explicit Counted(int id, int& alive) : id(id), alive(alive) { ++alive; }
    ~Counted() { --alive; }
    int id;
    int& alive;
};

TEST(PointerListTest, NeverDestroysWhatItPointsTo) {
    int alive = 0;
    std::vector<std::unique_ptr<Counted>> owned;
    for (int i = 0; i < 5; ++i) owned.push_back(std::make_unique<Counted>(i, alive));
    {
        PointerList<Counted> list;
        for (auto& item : owned) list.push(item.get());
        EXPECT_EQ(list.size(), 5);
        EXPECT_EQ(list.take_last()->id, 4);
    }
    EXPECT_EQ(alive, 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(owned[static_cast<std::size_t>(i)]->id, i);
}

TEST(PointerListTest, AtFollowsTheSameCursorRules) {
    int values[3] = {10, 11, 12};
    PointerList<int> list;
    EXPECT_EQ(list.at(0), nullptr);
    for (int& v : values) list.push(&v);
    EXPECT_EQ(list.at(2), &values[2]);
    EXPECT_EQ(list.at(1), &values[1]);
    EXPECT_EQ(list.at(3), &values[0]);
    EXPECT_EQ(list.at(-1), &values[0]);
}

TEST(PointerListTest, TakeLastUnlinksTheTail) {
    int values[5] = {0, 1, 2, 3, 4};
    PointerList<int> list;
    EXPECT_EQ(list.take_last(), nullptr);
    for (int i = 0; i < 3; ++i) list.push(&values[i]);

    // The cursor rests on the node taken out: later lookups must not use it.
    EXPECT_EQ(list.at(2), &values[2]);
    EXPECT_EQ(list.take_last(), &values[2]);
    EXPECT_EQ(list.size(), 2);
    EXPECT_EQ(list.at(2), &values[0]);  // out of range now
    list.push(&values[3]);
    EXPECT_EQ(list.at(2), &values[3]);

    // Two in a row, not right after a push.
    EXPECT_EQ(list.take_last(), &values[3]);
    EXPECT_EQ(list.take_last(), &values[1]);
    EXPECT_EQ(list.size(), 1);
    EXPECT_EQ(list.at(0), &values[0]);
    list.push(&values[4]);
    std::vector<int*> seen;
    list.for_each([&](int* p) { seen.push_back(p); });
    EXPECT_EQ(seen, (std::vector<int*>{&values[0], &values[4]}));

    EXPECT_EQ(list.take_last(), &values[4]);
    EXPECT_EQ(list.take_last(), &values[0]);
    EXPECT_EQ(list.size(), 0);
    EXPECT_EQ(list.at(0), nullptr);
    EXPECT_EQ(list.take_last(), nullptr);
    list.push(&values[1]);
    EXPECT_EQ(list.at(0), &values[1]);
}

}  // namespace
}  // namespace cullsrc
