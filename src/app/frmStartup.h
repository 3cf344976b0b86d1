#pragma once

#include "forms/Form.h"

namespace app {

class Program;

// The start-up host: loaded first, never shown. Its load handler starts the
// program; unloading it ends the program.
class frmStartup final : public forms::Form {
    Q_OBJECT
public:
    explicit frmStartup(Program &program);

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    Program &m_program;
};

} // namespace app
