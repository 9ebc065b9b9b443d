#include "app/cli/Dump.h"

#include "store/Document.h"

namespace orvek {

namespace {

using json = nlohmann::ordered_json;

json talkList(const TalkSet& s) {
    json a = json::array();
    for (int n = 1; n <= 256; ++n)
        if (s.has(n)) a.push_back(n);
    return a;
}

template <class T, std::size_t N>
json array(const std::array<T, N>& a) {
    json out = json::array();
    for (const auto& v : a) out.push_back(v);
    return out;
}

} // namespace

json dumpDocument(const COvDoc& doc) {
    json j;
    const Settings& s = doc.settings;
    j["today"] = doc.today;
    j["currentWeek"] = doc.currentWeek;
    j["baseWeek"] = doc.baseWeek;
    j["firstShownWeek"] = doc.firstShownWeek;
    j["languageTag"] = doc.languageTag;
    j["ownMeetingDayOdd"] = doc.ownMeetingDayOdd;
    j["ownMeetingDayEven"] = doc.ownMeetingDayEven;
    j["settings"] = {
        {"ownCongregationNumber", s.ownCongregationNumber}, {"dayFirstDates", s.dayFirstDates},
        {"scheduleReaders", s.scheduleReaders},             {"scheduleHospitality", s.scheduleHospitality},
        {"leftMargin", s.leftMargin},                       {"serviceYear", s.serviceYear},
        {"scheduleTitle", s.scheduleTitle},                 {"printReaders", s.printReaders},
        {"hideTalkNumbers", s.hideTalkNumbers},             {"hideOutgoingSpeakers", s.hideOutgoingSpeakers},
        {"barMode", s.barMode},                             {"barColour", s.barColour},
        {"printDates", s.printDates},                       {"topMargin", s.topMargin},
        {"dialEnabled", s.dialEnabled},                     {"autoCapitals", s.autoCapitals},
    };
    j["recordsInFile"] = {{"speakers", doc.speakersRecordsInFile},
                          {"cong", doc.congRecordsInFile},
                          {"xtend", doc.xtendRecordsInFile}};

    json brothers = json::array();
    for (const auto& b : doc.brothers)
        brothers.push_back({{"brotherNumber", b.brotherNumber},
                            {"firstName", b.firstName},
                            {"lastName", b.lastName},
                            {"congregationNumber", b.congregationNumber},
                            {"recordPosition", b.recordPosition},
                            {"extensionNumber", b.extensionNumber},
                            {"flags", b.flags},
                            {"talks", talkList(b.talks)}});
    j["brothers"] = std::move(brothers);

    json congs = json::array();
    for (const auto& c : doc.congregations)
        congs.push_back({{"name", c.name},
                         {"congregationNumber", c.congregationNumber},
                         {"circuitNumber", c.circuitNumber},
                         {"coordinatorBrother", c.coordinatorBrother},
                         {"talkCoordinatorBrother", c.talkCoordinatorBrother},
                         {"secretaryBrother", c.secretaryBrother},
                         {"recordPosition", c.recordPosition},
                         {"meetingTimeOdd", c.meetingTimeOdd},
                         {"meetingTimeEven", c.meetingTimeEven},
                         {"meetingDayOdd", c.meetingDayOdd},
                         {"meetingDayEven", c.meetingDayEven}});
    j["congregations"] = std::move(congs);

    json circuits = json::array();
    for (const auto& c : doc.circuits) circuits.push_back({{"name", c.name}, {"circuitNumber", c.circuitNumber}});
    j["circuits"] = std::move(circuits);
    json hosts = json::array();
    for (const auto& h : doc.hosts) hosts.push_back({{"name", h.name}, {"hospitalityNumber", h.hospitalityNumber}});
    j["hospitality"] = std::move(hosts);

    json talks = json::array();
    for (const auto& t : doc.talks) {
        json topics = json::array();
        for (auto n : t.topics)
            if (n) topics.push_back(n);
        talks.push_back({{"talkNumber", t.talkNumber},
                         {"numberText", t.numberText},
                         {"title", t.title},
                         {"topics", std::move(topics)}});
    }
    j["talks"] = std::move(talks);
    json topics = json::array();
    for (const auto& t : doc.topics) topics.push_back({{"name", t.name}, {"topicNumber", t.topicNumber}});
    j["topics"] = std::move(topics);

    json weeks = json::array();
    for (const auto& w : doc.weeks) {
        if (!w.inUse()) continue;
        weeks.push_back({{"week", w.week},
                         {"inSpeaker", w.inSpeaker},
                         {"inTalk", w.inTalk},
                         {"inSpeakerCongregation", w.inSpeakerCongregation},
                         {"askedMark", w.askedMark},
                         {"confirmedMark", w.confirmedMark},
                         {"reminderMark", w.reminderMark},
                         {"chairman", w.chairman},
                         {"reader", w.reader},
                         {"hospitality", w.hospitality},
                         {"flags", w.flags},
                         {"outSpeaker", array(w.outSpeaker)},
                         {"outCongregation", array(w.outCongregation)},
                         {"outTalk", array(w.outTalk)},
                         {"date", doc.weekDateText(w.week, 26)}});
    }
    j["weeks"] = std::move(weeks);

    json unav = json::array();
    for (const auto& u : doc.unavailability)
        if (u.brotherNumber) unav.push_back({{"brotherNumber", u.brotherNumber}, {"week", u.week}});
    j["unavailability"] = std::move(unav);

    j["wishList"] = {{"wanted", talkList(doc.wishList.wanted)},
                     {"priorityOne", talkList(doc.wishList.priorityOne)},
                     {"priorityThree", talkList(doc.wishList.priorityThree)}};

    json events = json::array();
    for (const auto& e : doc.specialEvents)
        events.push_back({{"weekIndex", e.weekIndex}, {"flags", e.flags}, {"title", e.title}, {"theme", e.theme}});
    j["specialEvents"] = std::move(events);

    json local = json::array();
    for (const auto& e : doc.localBrothers)
        local.push_back({{"brotherNumber", e.brotherNumber}, {"row", e.row}, {"roles", e.roles}});
    j["localBrothers"] = std::move(local);
    return j;
}

} // namespace orvek
