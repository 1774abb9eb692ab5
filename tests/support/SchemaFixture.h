#pragma once
#include "DbFixture.h"
#include "Schema.h"

// A fresh database with the full schema and seed rows, on each engine (tests link mq_admin).
class SchemaTest : public DbTest {
protected:
    void Prepare() override { TSchema::CreateOrUpgrade(Db()); }
};
