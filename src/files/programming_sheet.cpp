#include "files/programming_sheet.h"

#include "model/channel_detail_rules.h"
#include "model/channel_fields.h"
#include "model/embedded_message.h"
#include "model/key_assignment.h"
#include "model/optional_features.h"
#include "model/radio_models.h"
#include "model/scan_info.h"
#include "model/test_frequencies.h"
#include "model/text.h"

namespace r5 {
namespace {

constexpr Text kTitle{"编程表", "Programming Sheet"};
constexpr Text kModel{"型号", "Model"};
constexpr Text kBand{"频段", "Band"};
constexpr Text kChannels{"信道", "Channels"};

QString cell(const QString& text, const char* tag = "td") { return QString("<%1>%2</%1>").arg(tag, text.toHtmlEscaped()); }

QString row(const QStringList& texts, const char* tag = "td")
{
    QString html = "<tr>";
    for (const QString& text : texts)
        html += cell(text, tag);
    return html + "</tr>\n";
}

QString table(const QStringList& header, const std::vector<QStringList>& rows)
{
    QString html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n";
    if (!header.isEmpty())
        html += row(header, "th");
    for (const QStringList& r : rows)
        html += row(r);
    return html + "</table>\n";
}

QString heading(const QString& text) { return "<h2>" + text.toHtmlEscaped() + "</h2>\n"; }

QString channelTable(const RadioImage& image, int firstField, int endField, Language language)
{
    QStringList header{channelFieldCaption(ChannelField::Number, language)};
    for (int i = firstField; i < endField; ++i)
        header << channelFieldCaption(channelFieldAt(i), language);
    std::vector<QStringList> rows;
    for (int n = channel::kFirst; n <= channel::kLast; ++n) {
        QStringList line{QString::number(n)};
        for (int i = firstField; i < endField; ++i)
            line << channelFieldText(image, n, channelFieldAt(i), language);
        rows.push_back(line);
    }
    return table(header, rows);
}

// A settings window as two columns: caption and what the window shows.
QString settings(const QString& title, const std::vector<QStringList>& items)
{
    return heading(title) + table({}, items);
}

} // namespace

QString programmingSheetHtml(const RadioImage& image, int model, Language language)
{
    QString html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + kTitle.in(language).toHtmlEscaped()
                   + "</title></head><body>\n<h1>" + kTitle.in(language).toHtmlEscaped() + "</h1>\n";
    const RadioModel& radio = kModels.at(static_cast<size_t>(model));
    html += "<p>" + (kModel.in(language) + ": " + radio.name).toHtmlEscaped() + "&nbsp;&nbsp;&nbsp;"
            + (kBand.in(language) + ": " + bandStatusText(radio.bandLow, radio.bandHigh).trimmed()).toHtmlEscaped()
            + "</p>\n";

    const int firstDetail = static_cast<int>(ChannelField::OptionSignalling);
    html += heading(kChannels.in(language)) + channelTable(image, 1, firstDetail, language);
    html += heading(detail::kWindowTitle.in(language)) + channelTable(image, firstDetail, kChannelFieldCount, language);

    std::vector<QStringList> items;
    for (const options::Item item : {options::kTimeOut, options::kSquelch, options::kVoice, options::kCurrentChannel,
                                     options::kVolume, options::kPowerState, options::kKeypadLock,
                                     options::kBatterySave, options::kBeep})
        items.push_back({options::caption(item).in(language), options::shownText(image, item, language)});
    html += settings(options::kWindowTitle.in(language), items);

    items.clear();
    for (const keys::Key key : {keys::kPf1, keys::kPf2})
        items.push_back({keys::keyLabel(key), keys::shownText(image, key, language)});
    html += settings(keys::kWindowTitle.in(language), items);

    items.clear();
    for (int i = 0; i < scan::kItemCount; ++i) {
        const auto item = static_cast<scan::Item>(i);
        items.push_back({scan::caption(item).in(language), scan::shownText(image, item, language)});
    }
    items.push_back({scan::kPriorityChannelCaption.in(language), scan::priorityChannelText(image)});
    html += settings(scan::kWindowTitle.in(language), items);

    const QStringList testHeader = testfreq::headerTexts(language);
    std::vector<QStringList> tests;
    for (int n = 1; n <= testfreq::kCount; ++n)
        tests.push_back({QString::number(n), testfreq::shownText(image, n, testfreq::kReceive),
                         testfreq::shownText(image, n, testfreq::kTransmit)});
    QStringList trimmedHeader;
    for (const QString& text : testHeader)
        trimmedHeader << text.trimmed();
    html += heading(testfreq::kWindowTitle.in(language)) + table(trimmedHeader, tests);

    items.clear();
    for (int line = 1; line <= message::kLineCount; ++line)
        items.push_back({QString::number(line), message::shownLine(image, line)});
    html += settings(message::kWindowTitle.in(language), items);
    return html + "</body></html>\n";
}

} // namespace r5
