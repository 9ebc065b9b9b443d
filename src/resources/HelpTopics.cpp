#include "resources/HelpTopics.h"

namespace orvek {

// Until the guide has a page per topic, every topic opens the contents.
std::string_view helpTopicFile(int) { return helpContentsFile; }

} // namespace orvek
