#include <gtest/gtest.h>

#include "core/records/reviewcursor.h"
#include "samplerecords.h"

using namespace zelvan::records;

TEST(ReviewCursor, StepsThroughAShortGameWithinItsEnds) {
    ReviewCursor review(zelvan::test::shortGame());  // five moves, Blue first
    EXPECT_EQ(review.shown(), 5u);
    EXPECT_EQ(review.notice(), "Review \u2014 move 5 of 5");
    EXPECT_FALSE(review.stepForward());
    EXPECT_FALSE(review.toEnd());

    EXPECT_TRUE(review.stepBack());
    EXPECT_EQ(review.shown(), 4u);
    EXPECT_EQ(review.sideToMove(), Stone::Blue);
    EXPECT_EQ(review.notice(), "Review \u2014 move 4 of 5");

    EXPECT_TRUE(review.toStart());
    EXPECT_EQ(review.shown(), 0u);
    EXPECT_FALSE(review.stepBack());
    EXPECT_TRUE(review.stepForward());
    EXPECT_EQ(review.shown(), 1u);
    EXPECT_EQ(review.sideToMove(), Stone::Red);

    EXPECT_TRUE(review.show(3));
    EXPECT_FALSE(review.show(3));
    EXPECT_TRUE(review.show(99));  // past the end: the end
    EXPECT_EQ(review.shown(), 5u);
}
