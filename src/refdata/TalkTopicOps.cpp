// Document operations on talks, topics, circuits and hospitality hosts.

#include <algorithm>

#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

bool COvDoc::talkHasTopic(std::size_t talkRow, std::size_t topicRow) const {
    if (talkRow >= talks.size() || topicRow >= topics.size()) return false;
    int number = topics[topicRow].topicNumber;
    const auto& slots = talks[talkRow].topics;
    return number != 0 && std::find(slots.begin(), slots.end(), number) != slots.end();
}

std::vector<int> COvDoc::talkHistory(int talkNumber) const {
    std::vector<int> out;
    if (talkNumber < 1 || talkNumber > 256) return out;
    int from = std::min(firstShownWeek, baseWeek + kWindowWeeks - 1);
    for (int x = from; x >= baseWeek + 1; --x)
        if (weekRecord(x).inTalk == talkNumber) out.push_back(x);
    return out;
}

int COvDoc::addTopic(TopicRecord r) {
    r.name = trimText(r.name);
    if (checkTopicName(r.name, false, topics.size()) != 0) return 0;
    if (!roomFor(topics.size(), topicsCapacity)) return 0;
    r.topicNumber = static_cast<std::uint16_t>(newTopicNumber());
    topics.push_back(r);
    sortTopics();
    return r.topicNumber;
}

void COvDoc::deleteTopic(std::size_t row) {
    if (row >= topics.size()) return;
    const int number = topics[row].topicNumber;
    for (auto& t : talks)
        for (auto& slot : t.topics)
            if (slot == number) slot = 0;
    topics.erase(topics.begin() + static_cast<std::ptrdiff_t>(row));
}

int COvDoc::addCircuit(CircuitRecord r) {
    r.name = trimText(r.name);
    if (checkCircuitName(r.name, false, circuits.size()) != 0) return 0;
    if (!roomFor(circuits.size(), circuitsCapacity)) return 0;
    r.circuitNumber = static_cast<std::uint16_t>(newCircuitNumber());
    circuits.push_back(r);
    sortCircuits();
    return r.circuitNumber;
}

bool COvDoc::deleteCircuit(std::size_t row) {
    if (row >= circuits.size()) return false;
    const int number = circuits[row].circuitNumber;
    bool ok = true;
    for (std::size_t c = 0; c < congregations.size(); ++c) {
        if (congregations[c].circuitNumber != number) continue;
        CongregationRecord rec;
        if (int pos = readCongregation(c, rec)) {
            rec.circuitNumber = 0;
            ok = writeCongregation(pos, rec) && ok;
        }
        congregations[c].circuitNumber = 0;
    }
    circuits.erase(circuits.begin() + static_cast<std::ptrdiff_t>(row));
    return ok;
}

int COvDoc::addHost(HospitalityRecord r) {
    r.name = trimText(r.name);
    if (checkHostName(r.name, false, hosts.size()) != 0) return 0;
    if (!roomFor(hosts.size(), hostsCapacity)) return 0;
    r.hospitalityNumber = static_cast<std::uint16_t>(newHospitalityNumber());
    hosts.push_back(r);
    sortHosts();
    return r.hospitalityNumber;
}

void COvDoc::deleteHost(std::size_t row) {
    if (row >= hosts.size()) return;
    hosts.erase(hosts.begin() + static_cast<std::ptrdiff_t>(row));
}

} // namespace orvek
