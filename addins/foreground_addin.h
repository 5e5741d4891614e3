/* The interface of an add-in foreground module: a module with the extension .bxa in Banderix's
   DATA directory that supplies the texts Banderix scrolls across window captions.

   The module exports one function, under exactly the name "GetForeground":

       extern "C" CForegroundAddIn* BNDX_ADDIN_EXPORT_CALL GetForeground(void);

   It returns the module's one CForegroundAddIn object, or null when the add-in cannot work.
   The module owns the object: Banderix never destroys it, and unloads the module only when it
   has finished with the foreground. Every call comes from Banderix's user-interface thread.

   Binary compatibility. Banderix calls the object through its table of virtual functions, so
   the table must look the same whichever compiler built the module:
   - the object is a plain abstract class with these four pure virtual functions and nothing
     else (no virtual destructor, no other base, no data that Banderix reads), so the table
     holds exactly the four slots below, in this order;
   - the functions use __stdcall, the convention every Windows compiler implements for such
     tables (it is COM's): arguments on the stack with the object's address pushed last, the
     function removes them. In 64-bit modules there is one convention and the keyword is
     ignored;
   - GetForeground itself is __cdecl, which every compiler exports undecorated from a 32-bit
     module too. If yours decorates it, name it in a .def file (EXPORTS GetForeground) or link
     with --kill-at.
   Results of GetDescription and GetText are ignored; Configure's result is handed back to
   Banderix's main window.
*/
#ifndef BNDX_FOREGROUND_ADDIN_H
#define BNDX_FOREGROUND_ADDIN_H

#define BNDX_ADDIN_CALL __stdcall
#define BNDX_ADDIN_EXPORT_CALL __cdecl

class CForegroundAddIn {
public:
    /* Fills buffer with the foreground's name, NUL-terminated, at most size bytes in all.
       Called once, right after loading, with a buffer of 255 bytes. An empty name keeps the
       foreground out of Banderix's list. */
    virtual int BNDX_ADDIN_CALL GetDescription(char* buffer, int size) = 0;

    /* Lets the user set the add-in up, usually in a dialog of its own. */
    virtual int BNDX_ADDIN_CALL Configure() = 0;

    /* Kept for later use; never called. */
    virtual int BNDX_ADDIN_CALL Reserved() = 0;

    /* Fills buffer with the next text to scroll, NUL-terminated, at most size bytes in all.
       Called before every scroll with a buffer of 512 bytes. */
    virtual int BNDX_ADDIN_CALL GetText(char* buffer, int size) = 0;
};

typedef CForegroundAddIn*(BNDX_ADDIN_EXPORT_CALL* GetForegroundFunction)(void);

#define BNDX_GET_FOREGROUND_EXPORT "GetForeground"

#endif
