#include "history/TripCsv.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace orebell {
namespace {

Trip trip(qint64 id, const QString& endedBy, std::vector<TripOre> ores, double isk)
{
    Trip t;
    t.id = id;
    t.start = QDateTime(QDate(2026, 12, 7), QTime(20, 15, 3, 250), Qt::UTC).addSecs(id * 3600);
    t.end = t.start.addSecs(1800);
    t.miningSeconds = 1750.6;
    t.cycles = 12;
    t.asteroidsMinedOut = 1;
    t.ores = std::move(ores);
    t.isk = isk;
    for (int k = 0; k < Trip::Minerals; ++k)
        t.estimate[static_cast<std::size_t>(k)] = 1000.4 * (k + 1);
    t.endedBy = endedBy;
    return t;
}

struct Csv {
    std::vector<QStringList> records;
    explicit Csv(const std::vector<Trip>& trips) : records(csvRecords(tripsToCsv(trips))) {}
    const QStringList& header() const { return records.front(); }
    QString at(std::size_t row, const QString& column) const
    {
        const qsizetype c = header().indexOf(column);
        EXPECT_GE(c, 0) << column.toStdString();
        return c < 0 ? QString() : records.at(row).value(c);
    }
    double sumOf(const QString& column) const // of the trip rows, as a spreadsheet adds them
    {
        double sum = 0;
        for (std::size_t r = 1; r + 1 < records.size(); ++r)
            sum += at(r, column).toDouble();
        return sum;
    }
};

// What a spreadsheet needs: one row per trip, one meaning per column, the figures as the window
// shows them whatever the desktop's locale, and a last row whose totals are the columns' sums.
TEST(TripCsvTest, OneRowPerTripWithFiguresAsShownAndTotalsThatAreTheColumnsSums)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // must not reach the file
    const std::vector<Trip> trips = {
        trip(1, TripEnd::Reset,
             {{QStringLiteral("Scordite"), 7354.1666666548999}, {QStringLiteral("Veldspar"), 0.4}},
             429998.35787999997),
        trip(2, TripEnd::Close, {{QStringLiteral("Veldspar"), 1000.6}, {QStringLiteral("Veldspar"), 0.4}},
             1234567.891),
    };
    const Csv csv(trips);
    QLocale::setDefault(QLocale::system());
    ASSERT_EQ(csv.records.size(), 4u); // header, two trips, totals
    for (const QStringList& record : csv.records)
        EXPECT_EQ(record.size(), csv.header().size());
    // Ores in the order of the ore list, each in a column of its own.
    EXPECT_LT(csv.header().indexOf(QStringLiteral("units_Veldspar")),
              csv.header().indexOf(QStringLiteral("units_Scordite")));
    EXPECT_EQ(csv.header().count(QStringLiteral("units_Veldspar")), 1);

    EXPECT_EQ(csv.at(1, QStringLiteral("start_utc")), QStringLiteral("2026-12-07 21:15:03"));
    EXPECT_EQ(csv.at(1, QStringLiteral("isk")), QStringLiteral("429998.36"));
    EXPECT_EQ(csv.at(1, QStringLiteral("units_Scordite")), QStringLiteral("7354"));
    EXPECT_EQ(csv.at(1, QStringLiteral("units_Veldspar")), QStringLiteral("0"));
    EXPECT_EQ(csv.at(1, QStringLiteral("units")), QStringLiteral("7354")); // the sum of its ore cells
    EXPECT_EQ(csv.at(1, QStringLiteral("mining_seconds")), QStringLiteral("1751"));
    EXPECT_EQ(csv.at(1, QStringLiteral("estimated_Isogen")), QStringLiteral("1000"));
    EXPECT_EQ(csv.at(2, QStringLiteral("units_Veldspar")), QStringLiteral("1001")); // one ore, twice credited
    EXPECT_EQ(csv.at(2, QStringLiteral("isk_per_hour")), QStringLiteral("2538812.07"));

    EXPECT_EQ(csv.at(3, QStringLiteral("trip")), QStringLiteral("total"));
    for (const QString& column :
         {QStringLiteral("units"), QStringLiteral("units_Scordite"), QStringLiteral("units_Veldspar"),
          QStringLiteral("isk"), QStringLiteral("cycles"), QStringLiteral("mining_seconds"),
          QStringLiteral("estimated_Zydrine"), QStringLiteral("refined_Zydrine")})
        EXPECT_DOUBLE_EQ(csv.at(3, column).toDouble(), csv.sumOf(column)) << column.toStdString();
    EXPECT_EQ(csv.at(3, QStringLiteral("isk")), QStringLiteral("1664566.25"));
    EXPECT_EQ(csv.at(3, QStringLiteral("isk_per_hour")), QString()); // a rate does not add up
    EXPECT_EQ(csv.at(3, QStringLiteral("end_utc")), QString());
}

// What a trip refined: the minerals of a Refine, nothing (0) for any other ending, and an empty
// cell only where the log does not know (a Refine recorded before it kept what was refined).
TEST(TripCsvTest, RefinedCellsAreZeroUnlessARefineRefinedAndEmptyOnlyWhenUnknown)
{
    Trip refined = trip(1, TripEnd::Refine, {{QStringLiteral("Veldspar"), 10}}, 1);
    refined.refined.emplace();
    refined.refined->fill(2.5);
    const std::vector<Trip> trips = {refined, trip(2, TripEnd::Reset, {{QStringLiteral("Veldspar"), 10}}, 1),
                                     trip(3, TripEnd::Exit, {{QStringLiteral("Veldspar"), 10}}, 1),
                                     trip(4, TripEnd::Refine, {{QStringLiteral("Veldspar"), 10}}, 1)};
    const Csv csv(trips);
    EXPECT_EQ(csv.at(1, QStringLiteral("refined_Tritanium")), QStringLiteral("3"));
    EXPECT_EQ(csv.at(2, QStringLiteral("refined_Tritanium")), QStringLiteral("0"));
    EXPECT_EQ(csv.at(3, QStringLiteral("refined_Tritanium")), QStringLiteral("0"));
    EXPECT_EQ(csv.at(4, QStringLiteral("refined_Tritanium")), QString());
    EXPECT_EQ(csv.at(5, QStringLiteral("refined_Tritanium")), QStringLiteral("3"));
}

// Names that need quoting, an ore the list does not know, a damaged figure, and no trips at all.
TEST(TripCsvTest, OddNamesAndFiguresAndAnEmptyLogStillMakeAWellFormedFile)
{
    const QString odd = QStringLiteral("Ore, \"quoted\"\nname");
    Trip t = trip(1, TripEnd::Reset, {{odd, 3}, {QStringLiteral("Veldspar"), 1}},
                  std::numeric_limits<double>::infinity());
    const Csv csv({t});
    ASSERT_EQ(csv.records.size(), 3u);
    EXPECT_EQ(csv.header().indexOf(QStringLiteral("units_") + odd),
              csv.header().indexOf(QStringLiteral("units_Veldspar")) + 1);
    EXPECT_EQ(csv.at(1, QStringLiteral("units_") + odd), QStringLiteral("3"));
    EXPECT_EQ(csv.at(1, QStringLiteral("isk")), QStringLiteral("0.00"));

    const Csv empty({});
    ASSERT_EQ(empty.records.size(), 2u);
    EXPECT_EQ(empty.at(1, QStringLiteral("trip")), QStringLiteral("total"));
    EXPECT_EQ(empty.at(1, QStringLiteral("isk")), QStringLiteral("0.00"));
}

} // namespace
} // namespace orebell
