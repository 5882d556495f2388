#pragma once

#include "serviceanswer.h"
#include "servicesettings.h"

#include <QString>

// Loads one received FatturaPA file (plain or signed) from the folder of
// received files into test_car and dett_car, all or nothing. A name
// already loaded is refused, so the same file never enters twice.
class PurchaseLoader
{
public:
    explicit PurchaseLoader(const ServiceSettings &settings);

    ServiceAnswer load(const QString &fileName) const;

    // test_car.nome_file holds this many characters: a longer name could
    // not be found again by the duplicate test.
    static constexpr int NameChars = 40;

private:
    ServiceSettings m_settings;
};
