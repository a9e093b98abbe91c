#include "NameMaker.h"

#include <vector>

namespace {

struct Syllables {
    std::vector<const char*> starts, middles, ends;
};

const Syllables& SyllablesOf(NameStyle style) {
    static const Syllables kWest{
        {"Al",  "Ber", "Cas", "Dor",  "El",  "Fal", "Gal", "Har", "Is",   "Kel", "Lor", "Mar",
         "Nor", "Or",  "Pel", "Ros",  "Sal", "Tor", "Val", "Wes", "Bran", "Cor", "Fen", "Grim",
         "Lis", "Mon", "Rav", "Stor", "Tal", "Ven", "Aug", "Bel", "Dun",  "Esk", "Lug", "Vin"},
        {"a", "e", "i", "o", "an", "en", "er", "il", "or", "ar", "ol", "ev"},
        {"burg",  "mont", "stad", "ford", "heim", "ia",  "ano", "enza",
         "ville", "dorf", "wick", "holm", "ona",  "ac",  "esk", "ov",
         "ica",   "mark", "land", "gard", "ec",   "ora", "ast"}};
    static const Syllables kNorth{
        {"Ya",  "Ku",  "Tor", "Ob",   "Nar", "Tas", "Yer", "Bel", "Kha", "Ulu",
         "Sak", "Tyn", "Ire", "Anad", "Vil", "Ket", "Eve", "Chu", "Nen", "Sel"},
        {"a", "i", "u", "y", "ar", "uk", "en"},
        {"ansk", "ovo", "ga", "yar", "ek", "ma", "dyr", "tuk", "chan", "kan", "ur", "ai", "sk",
         "in", "oy"}};
    static const Syllables kDesert{
        {"Al",  "Bas", "Dam", "Far", "Har", "Jaz", "Kar", "Mar", "Naj", "Qas",
         "Raz", "Sab", "Tab", "Zar", "Ham", "Is",  "Sha", "Tar", "Kuf", "Mos"},
        {"a", "i", "u", "ah", "ar", "il", "an"},
        {"ar", "ad", "an", "iya", "un", "esh", "abad", "oun", "ir", "at", "ana", "ez"}};
    static const Syllables kIndia{
        {"Ra", "Cha", "Ma", "Vi", "Kan", "Pur", "Sri", "Dev", "Gan", "Ha", "Na", "Su", "Tri", "Ban",
         "Go", "Ja", "Ko"},
        {"a", "i", "u", "an", "ra", "di"},
        {"pur", "nagar", "abad", "garh", "ore", "am", "esh", "ala", "ipur", "kot", "var"}};
    static const Syllables kFarEast{
        {"Shan", "Lin", "Hua", "Jin", "Kai", "Qing", "Tai", "Wu",  "Yan", "Zhou",
         "Ko",   "Na",  "Ha",  "Yo",  "Ta",  "Ki",   "Mei", "Sen", "Bao", "Dai"},
        {"", "", "a", "i", "o"},
        {"ang", "ing", "an", "ou", "ao", "shi", "ma", "ka", "ro", "to", "sen", "do", "yu", "ting"}};
    static const Syllables kAfrica{
        {"Ka", "Mba", "Zu", "Ngo", "Ta", "Wa", "Bo", "Ki", "Lu", "Ma", "Se", "Ga", "Nya", "Dji",
         "Ko", "Ou"},
        {"a", "i", "u", "o", "ma", "ni"},
        {"ndi", "ra", "lo", "mbe", "tu", "wa", "ngo", "si", "ba", "ka", "le", "dou", "mi"}};
    static const Syllables kAmerica{
        {"Ta", "Chi", "Que", "Oc", "Ma", "Ah", "Tla", "Pa", "Wa", "Mi", "Sho", "Ka", "Ito", "Apa",
         "Hu", "Ya", "Co"},
        {"a", "o", "i", "ca", "ne", "wa", "ri"},
        {"tlan", "co", "hua", "ta", "pec", "ska", "wee", "mac", "quel", "ni", "pa", "coa", "toc"}};
    static const Syllables kOceania{
        {"Wa", "Ka", "Mo", "Nu", "Ta", "Ra", "Pa", "Yi", "Ulu", "Ari", "Ma", "Ko"},
        {"a", "i", "u", "ra", "ka"},
        {"roo", "nga", "ti", "ra", "wai", "mu", "pa", "la", "ki", "rua"}};
    switch (style) {
        case NameStyle::West:
            return kWest;
        case NameStyle::North:
            return kNorth;
        case NameStyle::Desert:
            return kDesert;
        case NameStyle::India:
            return kIndia;
        case NameStyle::FarEast:
            return kFarEast;
        case NameStyle::Africa:
            return kAfrica;
        case NameStyle::America:
            return kAmerica;
        case NameStyle::Oceania:
            return kOceania;
    }
    return kWest;
}

}  // namespace

std::string NameMaker::Word(NameStyle style) {
    const Syllables& s = SyllablesOf(style);
    auto pick = [&](const std::vector<const char*>& list) {
        return std::string(list[random_.Below(static_cast<int>(list.size()))]);
    };
    std::string word = pick(s.starts);
    if (random_.Chance(45)) word += pick(s.middles);
    word += pick(s.ends);
    return word;
}

std::string NameMaker::Name(NameStyle style) {
    for (int attempt = 0;; ++attempt) {
        std::string name = Word(style);
        if (attempt > 40) name += Word(style);
        // One name in about thirty carries a letter of the upper half of Latin-1.
        if (random_.Chance(3)) {
            const std::size_t e = name.find('e', 1);
            const std::size_t o = name.find('o', 1);
            if (e != std::string::npos)
                name[e] = '\xE9';
            else if (o != std::string::npos)
                name[o] = '\xF6';
        }
        if (used_.insert(name).second) return name;
    }
}

std::string NameMaker::Culture(NameStyle style) {
    static const char* const kEndings[] = {"ian", "ese", "ic", "i", "an", "ish"};
    for (int attempt = 0;; ++attempt) {
        std::string name = Word(style);
        if (attempt > 40) name += Word(style);
        for (char& c : name)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        const char last = name.back();
        const bool vowel = last == 'a' || last == 'e' || last == 'i' || last == 'o' || last == 'u';
        name += vowel ? "n" : kEndings[random_.Below(6)];
        if (attempt == 0 && random_.Chance(4) && name.find('o') != std::string::npos)
            name[name.find('o')] = '\xF6';
        if (used_.insert(name).second) return name;
    }
}
